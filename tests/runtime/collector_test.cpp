// The collector: what keeps objects alive, what is freed, the heap budget.
#include <gtest/gtest.h>

#include <random>

#include "java/lang/Thread.h"
#include "program.h"
#include "test_classes.h"
#include "threads/thread_natives.h"

using test::Node;
using test::Pair;

namespace {

// State shared with the tests' threads: threads share no stack memory.
uintptr_t g_hidden;
bool g_ok, g_done;
int g_rounds, g_parked;

__attribute__((noinline)) uintptr_t make_cycle() {
  Ref a = jnew<Node>();
  Ref b = jnew<Node>();
  Node::f(a).next = b;
  Node::f(b).next = a;
  return hide(a);
}

PROGRAM_TEST(Collector, UnreferencedCycleIsFreedThroughTheReleaseHook) {
  uintptr_t a = make_cycle();
  collect();
  EXPECT_FALSE(rt_is_live_object(unhide(a)));
  EXPECT_EQ(std::count(host_log.released.begin(), host_log.released.end(), "test/Node"), 2);
}

// Node's field sits at an odd offset; Pair adds a field of its own. The trace must
// follow both classes' fields from the static that keeps the chain.
__attribute__((noinline)) std::vector<uintptr_t> keep_pair() {
  rt_init_class(test::Keeper::klass.index);
  Ref p = jnew<Pair>();
  Ref x = jnew<Node>();
  Ref y = jnew<Node>();
  Node::f(p).next = x;
  Pair::f(p).other = y;
  test::Keeper::S().kept = p;
  return {hide(p), hide(x), hide(y)};
}

PROGRAM_TEST(Collector, StaticFieldKeepsFieldsOfEveryClassInTheChain) {
  std::vector<uintptr_t> h = keep_pair();
  scrub_stack();
  for (int i = 0; i < 3; i++) rt_collect();
  for (uintptr_t o : h) EXPECT_TRUE(live(o));
  test::Keeper::S().kept = nullptr;
  collect();
  for (uintptr_t o : h) EXPECT_FALSE(live(o));
}

PROGRAM_TEST(Collector, ReferenceArrayElementsAreTracedPrimitiveStorageIsNot) {
  rt_init_class(test::Keeper::klass.index);
  int objects = rt_class_index_by_name("[Ljava/lang/Object;");
  test::Keeper::S().kept = rt_new_ref_array(objects, 0, 3);
  rt_array_store_ref(test::Keeper::S().kept, 2, jnew<Node>());
  uintptr_t elem = hide(rt_array_load_ref(test::Keeper::S().kept, 2));
  // A word pointing into the storage does not keep the array alive.
  static void* volatile into;
  uintptr_t hiddenInts = []() __attribute__((noinline)) {
    Ref ints = rt_new_array(rt_class_index_by_name("[I"), 4, 4);
    into = rt_array(ints)->storage;
    return hide(ints);
  }
  ();
  collect();
  EXPECT_TRUE(rt_is_live_object(unhide(elem)));
  EXPECT_FALSE(rt_is_live_object(unhide(hiddenInts)));
  EXPECT_NE(into, nullptr);
}

TEST(Collector, ShutdownFreesEverythingThroughTheHookAndClearsStatics) {
  run_program(core_classes(test::all()), [] { rt_init_class(test::Keeper::klass.index); });
  EXPECT_EQ(std::count(host_log.released.begin(), host_log.released.end(), "test/Keeper"), 1);
  EXPECT_EQ(rt_all_objects, nullptr);
  EXPECT_EQ(test::Keeper::S().kept, nullptr);
  EXPECT_EQ(host_log.nativesStarted, 1);
  EXPECT_EQ(host_log.nativesStopped, 1);
}

// The reference lives only in a saved stack copy while its thread is switched out.
PROGRAM_TEST(Collector, ObjectOnlyOnAnotherThreadsSavedStackSurvives) {
  g_hidden = 0;
  g_ok = g_done = false;
  spawn([] {
    Ref volatile mine = jnew<Node>();
    Node::f(mine).value = 1234;
    g_hidden = hide(mine);
    for (int i = 0; i < 3; i++) coop_yield();
    g_ok = rt_is_live_object(mine) && Node::f(mine).value == 1234;
    g_done = true;
  });
  coop_yield();
  ASSERT_NE(g_hidden, 0u);
  collect();
  EXPECT_TRUE(rt_is_live_object(unhide(g_hidden)));
  yield_until([] { return g_done; });
  EXPECT_TRUE(g_ok);
}

#if defined(__x86_64__) || defined(__i386__)
// Puts the reference into a callee-saved register and nowhere else, calls `between` (a
// collection, or a switch to a thread that collects) and gives the register back. One
// asm block, so the compiler cannot move the value anywhere in between.
__attribute__((noinline)) uintptr_t held_in_register(uintptr_t hidden, void (*between)()) {
  uintptr_t key = g_key, out;
#if defined(__x86_64__)
  asm volatile(
      "mov %1, %%rbx\n\t"
      "xor %2, %%rbx\n\t"
      "mov %3, %%rax\n\t"
      "mov %%rsp, %%r12\n\t"
      "sub $128, %%rsp\n\t"  // past the red zone
      "and $-16, %%rsp\n\t"
      "call *%%rax\n\t"
      "mov %%r12, %%rsp\n\t"
      "mov %%rbx, %0"
      : "=r"(out)
      : "m"(hidden), "m"(key), "m"(between)
      : "rbx", "r12", "rax", "rcx", "rdx", "rsi", "rdi", "r8", "r9", "r10", "r11", "xmm0", "xmm1",
        "xmm2", "xmm3", "xmm4", "xmm5", "xmm6", "xmm7", "xmm8", "xmm9", "xmm10", "xmm11", "xmm12",
        "xmm13", "xmm14", "xmm15", "memory", "cc");
#else
  asm volatile(
      "mov %1, %%esi\n\t"
      "xor %2, %%esi\n\t"
      "mov %3, %%eax\n\t"
      "mov %%esp, %%edi\n\t"
      "and $-16, %%esp\n\t"
      "call *%%eax\n\t"
      "mov %%edi, %%esp\n\t"
      "mov %%esi, %0"
      : "=m"(out)
      : "m"(hidden), "m"(key), "m"(between)
      : "esi", "edi", "eax", "ecx", "edx", "memory", "cc");
#endif
  return out;
}

PROGRAM_TEST(Collector, ObjectOnlyInACalleeSavedRegisterSurvives) {
  uintptr_t control = fresh_hidden_node();
  collect();
  EXPECT_FALSE(rt_is_live_object(unhide(control)));  // no stray copy keeps it

  uintptr_t h = fresh_hidden_node();
  scrub_stack();
  uintptr_t back = held_in_register(h, [] { rt_collect(); });
  EXPECT_EQ(back ^ g_key, h);
  EXPECT_TRUE(rt_is_live_object(unhide(h)));

  // The same while the holder is switched out and another thread collects.
  uintptr_t h2 = fresh_hidden_node();
  scrub_stack();
  g_done = false;
  spawn([] {
    rt_collect();
    g_done = true;
  });
  held_in_register(h2, [] { coop_yield(); });
  EXPECT_TRUE(g_done);
  EXPECT_TRUE(rt_is_live_object(unhide(h2)));
}
#endif

PROGRAM_TEST(Collector, ThreadObjectAndItsTargetLiveWhileTheRecordExists) {
  uintptr_t target = 0, thread = 0;
  g_rounds = 0;
  // The spinner runs first, so the finished thread's frames lie below it, not inside
  // its saved copy, where stale words would keep the thread object alive.
  spawn([] {
    for (;;) {
      g_rounds++;
      coop_yield();
    }
  });
  coop_yield();
  [&]() __attribute__((noinline)) {
    Ref task = jnew<test::Task>();
    Ref t = jnew<java::lang::Thread>(task);
    target = hide(task);
    thread = hide(t);
    java::lang::Thread::start(t);
  }
  ();
  collect();
  EXPECT_TRUE(rt_is_live_object(unhide(target)));  // the record's arg holds the thread
  int start = g_rounds;
  yield_until([=] { return g_rounds > start + 3; });  // runs, finishes, and is removed
  EXPECT_EQ(coop_thread_record(unhide(thread)), nullptr);
  collect();
  EXPECT_FALSE(rt_is_live_object(unhide(thread)));
  EXPECT_FALSE(rt_is_live_object(unhide(target)));
}

// The heap's accounting (blocks on the list against bytes in use, nothing left after the
// shutdown) is checked where it happens (PALM_ASSERT), in every collection of these tests.
PROGRAM_TEST(Collector, GarbageNeverRunsOut) {
  int ints = rt_class_index_by_name("[I");
  for (int i = 0; i < 50000; i++) rt_new_array(ints, 4, 64);  // 12 MB in all
  EXPECT_TRUE(host_log.fatals.empty());
  EXPECT_LE(rt_heap_in_use(), RT_HEAP_LIMIT);
}

// Random graphs with cycles, shared children, arrays, statics and several threads'
// stacks: the hashed root search marks exactly as the word-by-word search does.
PROGRAM_TEST(Collector, HashedSearchMarksAsTheWordByWordSearch) {
  rt_set_heap_limit(int64_t{8} << 20);
  rt_init_class(test::Keeper::klass.index);
  std::mt19937 rng(11);
  int objects = rt_class_index_by_name("[Ljava/lang/Object;");
  g_parked = 0;
  for (int t = 0; t < 3; t++)
    spawn([] {
      Ref volatile local[4];
      for (auto& l : local) l = jnew<Node>();
      g_parked++;
      for (;;) coop_yield();
    });
  yield_until([] { return g_parked == 3; });
  Ref volatile pool = rt_new_ref_array(objects, 0, 400);
  for (int i = 0; i < 400; i++) {
    Ref o = (i % 7 == 0) ? rt_new_ref_array(objects, 0, 3) : jnew<Pair>();
    rt_array_store_ref(pool, i, o);
  }
  for (int i = 0; i < 400; i++) {
    Ref o = rt_array_load_ref(pool, i);
    Ref a = rt_array_load_ref(pool, static_cast<jint>(rng() % 400));
    Ref b = rt_array_load_ref(pool, static_cast<jint>(rng() % 400));
    if (rt_class_of(o) == objects) {
      rt_array_store_ref(o, 0, a);
      rt_array_store_ref(o, 2, b);
    } else {
      Node::f(o).next = a;
      Pair::f(o).other = b;
    }
  }
  test::Keeper::S().kept = rt_array_load_ref(pool, 5);
  EXPECT_EQ(rt_mark_disagreements(), 0u);
  pool = nullptr;
  EXPECT_EQ(rt_mark_disagreements(), 0u);
  rt_collect();
  EXPECT_EQ(rt_mark_disagreements(), 0u);
  rt_set_heap_limit(RT_HEAP_LIMIT);
}

}  // namespace
