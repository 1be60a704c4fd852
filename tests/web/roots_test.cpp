// The collector on WebAssembly: a reference kept only in a wasm local is in no memory the
// collector could read, until the thread's call stack is unwound into its save area.
#include <gtest/gtest.h>

#include "program.h"
#include "test_classes.h"

namespace {

uintptr_t g_hidden;
bool g_kept, g_done;

// Holds the plain reference in a local whose address is never taken across `between`; the
// empty asm keeps the compiler from working it out again afterwards from `hidden`.
__attribute__((noinline)) bool held_in_local(uintptr_t hidden, void (*between)()) {
  Ref r = unhide(hidden);
  __asm__ volatile("" : "+r"(r));
  between();
  return rt_is_live_object(r) && hide(r) == hidden;
}

PROGRAM_TEST(WebRoots, LocalOfTheRunningThreadSurvivesACollection) {
  uintptr_t control = fresh_hidden_node();
  collect();
  EXPECT_FALSE(live(control));  // nothing else keeps a fresh node

  uintptr_t h = fresh_hidden_node();
  EXPECT_TRUE(held_in_local(h, collect));
  EXPECT_TRUE(live(h));
}

PROGRAM_TEST(WebRoots, LocalOfASwitchedOutThreadSurvivesAnotherThreadsCollection) {
  // The head holds it while switched out; the other thread collects.
  uintptr_t h = fresh_hidden_node();
  g_done = false;
  spawn([] {
    collect();
    g_done = true;
  });
  EXPECT_TRUE(held_in_local(h, [] { coop_yield(); }));
  EXPECT_TRUE(g_done);

  // A thread holds it while switched out; the head collects.
  g_hidden = fresh_hidden_node();
  g_kept = g_done = false;
  spawn([] {
    g_kept = held_in_local(g_hidden, [] { coop_yield(); });
    g_done = true;
  });
  coop_yield();
  collect();
  EXPECT_TRUE(yield_until([] { return g_done; }));
  EXPECT_TRUE(g_kept);
}

}  // namespace
