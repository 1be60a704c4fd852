// Helpers every test program uses with the thread package and the collector.
#include "coop_test.h"

#include <cstddef>

ThreadRecord* spawn(std::function<void()> fn) {
  auto* holder = new std::function<void()>(std::move(fn));
  ThreadRecord* t = coop_create(
      [](void* arg) {
        auto* f = static_cast<std::function<void()>*>(arg);
        (*f)();
        delete f;
      },
      holder);
  coop_add(t);
  return t;
}

__attribute__((noinline)) void scrub_stack() {
  volatile char area[32768];
  for (size_t i = 0; i < sizeof area; i++) area[i] = 0;
}
