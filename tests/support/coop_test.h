// Helpers every test program uses with the thread package, the collector and the natives.
#pragma once
#include <functional>
#include <utility>

#include "runtime/rt.h"
#include "threads/coop.h"

// A plain cooperative thread running fn. Threads share nothing on the stack: a thread
// that writes into another thread's frame writes into memory that the other thread's
// saved copy overwrites, so state shared between threads must live in globals or the heap.
ThreadRecord* spawn(std::function<void()> fn);

// Zeroes the unused stack below the caller, so stale words in dead frames cannot act as
// roots across a collection the test expects to free something.
void scrub_stack();

// A native call's result with the error it left, to compare with want(result, error).
template <class T>
std::pair<T, int32_t> took(T result) {
  return {result, rt_take_error()};
}
template <class T>
std::pair<T, int32_t> want(T result, int32_t error = ERR_NONE) {
  return {result, error};
}
