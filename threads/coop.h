// Cooperative threads on one machine stack, switched by copying each thread's used stack.
#pragma once

#include <cstdint>

struct ThreadRecord {
  void* context[8];  // where the switch routine resumes: frame, stack and resume address
  ThreadRecord* next;
  ThreadRecord* resumer;  // the thread that most recently switched to this one
  void (*entry)(void*);
  void* arg;  // the java/lang/Thread object for threads of the hosted program
  int32_t started;
  int32_t finished;
  int32_t priority;
  int32_t priority2;
  int64_t wakeTime;  // scheduler-clock milliseconds; 0 = not sleeping
  uintptr_t savedSize;
  uintptr_t bufferCapacity;
  uint8_t* buffer;
  uintptr_t stackBase;
  uintptr_t reserved;
  // The C++ runtime's exception bookkeeping of this thread while it is switched out.
  void* ehCaught;
  unsigned int ehUncaught;
  uint64_t switches;  // times the scheduler switched to it
};

int coop_init();
void coop_shutdown();
ThreadRecord* coop_create(void (*entry)(void*), void* arg);
int coop_add(ThreadRecord* t);
void coop_remove(ThreadRecord* t);
int coop_yield();
int coop_sleep(int64_t milliseconds);
ThreadRecord* coop_current();
ThreadRecord* coop_first();
ThreadRecord* coop_next(ThreadRecord* t);
int coop_is_alive(ThreadRecord* t);
void coop_set_priority(ThreadRecord* t, int32_t p);
int32_t coop_get_priority(ThreadRecord* t);
int coop_failed();
int64_t coop_now_ms();

// Idle detection. Microseconds the threads ran (between being switched to and yielding)
// since the last reset, and the reset itself.
int64_t coop_busy_us();
void coop_reset_busy();
// The earliest wake time among sleeping threads (scheduler clock), 0 when none sleeps.
int64_t coop_next_wake_ms();

// Gives every range of memory that may hold a thread's references: the running thread's
// stack from `low` (the caller's frame) up to `top` or the package's stack base, whichever
// is higher, and each switched-out thread's saved copy. On the web: each switched-out
// fiber's C stack and Asyncify save area, and the running thread's stack and locals.
void coop_roots(void (*range)(uintptr_t lo, uintptr_t hi), uintptr_t low, uintptr_t top);

// Benchmarks only: nonzero skips giving up the time slice, so a switch is timed alone.
void coop_bench_keep_slice(int keep);
