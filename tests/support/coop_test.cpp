// Helpers every test program uses with the thread package and the collector.
#include "coop_test.h"

#include <cstddef>
#include <deque>

// The bodies live as long as the test program: a thread parked by a fatal report never
// returns to free its own.
static std::deque<std::function<void()>> g_bodies;

ThreadRecord* spawn(std::function<void()> fn) {
  g_bodies.push_back(std::move(fn));
  ThreadRecord* t = coop_create([](void* arg) { (*static_cast<std::function<void()>*>(arg))(); },
                                &g_bodies.back());
  coop_add(t);
  return t;
}

// Unchecked, so that the area has no red zones where a stale reference could survive.
__attribute__((noinline, no_sanitize_address)) void scrub_stack() {
  volatile char area[32768];
  for (size_t i = 0; i < sizeof area; i++) area[i] = 0;
}
