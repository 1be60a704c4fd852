// Cooperative thread package: thread list, round-robin scheduler and stack-copying switch.
#include "threads/coop.h"

#ifdef __EMSCRIPTEN__
#include "threads/coop_switch.h"
#endif

#include <cstdlib>
#include <cstring>

#if defined(__SANITIZE_ADDRESS__)
#define PALM_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PALM_ASAN 1
#endif
#endif
#if PALM_ASAN
#include <sanitizer/asan_interface.h>
#endif
#include "runtime/palm_assert.h"

#ifdef _WIN32
#include <malloc.h>
#include <windows.h>
#else
#include <alloca.h>
#include <sched.h>
#include <time.h>
#endif

// Distance kept between the restoring frame and the lowest byte it writes back.
[[maybe_unused]] static constexpr uintptr_t RESTORE_CLEARANCE = 8192;
// Milliseconds from 1601-01-01 to 1970-01-01.
static constexpr int64_t EPOCH_1601_MS = 11644473600000LL;

// The C++ runtime's per-OS-thread exception state; its first two words are what
// a cooperative thread owns (caught-exception chain and uncaught count).
struct EhGlobals {
  void* caught;
  unsigned int uncaught;
};
extern "C" EhGlobals* __cxa_get_globals() noexcept;

static ThreadRecord* g_head;
static ThreadRecord* g_current;
// A frame just below the stack base that every new thread starts from, so that no thread
// carries (and keeps alive as roots) the frames of the thread that happened to start it.
static ThreadRecord g_launcher;
static ThreadRecord* g_starter;  // the thread a new thread returns to if it never yields
[[maybe_unused]] static int g_switch_result = 1;  // what the resumed coop_switch returns
static int g_failed;
static bool g_keep_slice;      // benchmarks time the switch alone
static int64_t g_slice_start;  // when the running thread was switched to (microseconds)
static int64_t g_busy;         // microseconds threads ran since the last reset

static int make_launcher(uintptr_t base);

/* ---------------------------------------------------------------------------
 * Platform
 * ------------------------------------------------------------------------- */

int64_t coop_now_ms() {
#ifdef _WIN32
  SYSTEMTIME st;
  FILETIME ft;
  GetSystemTime(&st);
  SystemTimeToFileTime(&st, &ft);
  int64_t ticks = (static_cast<int64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
  return ticks / 10000;
#else
  timespec ts;
  clock_gettime(CLOCK_REALTIME, &ts);
  return static_cast<int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000 + EPOCH_1601_MS;
#endif
}

// A monotonic clock for run times; the scheduler clock follows the wall clock's jumps.
static int64_t monotonic_us() {
#ifdef _WIN32
  static LARGE_INTEGER freq;
  if (!freq.QuadPart) QueryPerformanceFrequency(&freq);
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<int64_t>(now.QuadPart / freq.QuadPart * 1000000 +
                              now.QuadPart % freq.QuadPart * 1000000 / freq.QuadPart);
#else
  timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<int64_t>(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
#endif
}

// Gives up the rest of the time slice before every switch.
static void give_up_slice() {
  if (g_keep_slice) return;
#ifdef _WIN32
  Sleep(0);
#else
  sched_yield();
#endif
}

/* ---------------------------------------------------------------------------
 * Thread list
 * ------------------------------------------------------------------------- */

__attribute__((noinline)) int coop_init() {
  g_head = g_current = nullptr;
  g_failed = 0;
  auto* t = static_cast<ThreadRecord*>(calloc(1, sizeof(ThreadRecord)));
  if (!t) {
    g_failed = 1;
    return 0;
  }
  t->stackBase = reinterpret_cast<uintptr_t>(__builtin_frame_address(0));
  t->started = 1;
  g_head = g_current = t;
  if (!make_launcher(t->stackBase)) {
    coop_shutdown();
    g_failed = 1;
    return 0;
  }
  return 1;
}

void coop_shutdown() {
  ThreadRecord* t = g_head ? g_head->next : nullptr;
  while (t) {
    ThreadRecord* next = t->next;
    free(t->buffer);
    free(t);
    t = next;
  }
  if (g_head) {
    free(g_head->buffer);
    free(g_head);
  }
  free(g_launcher.buffer);
  g_launcher = ThreadRecord{};
  g_head = g_current = g_starter = nullptr;
  g_failed = 0;
}

ThreadRecord* coop_create(void (*entry)(void*), void* arg) {
  auto* t = static_cast<ThreadRecord*>(calloc(1, sizeof(ThreadRecord)));
  if (!t) {
    g_failed = 1;
    return nullptr;
  }
  t->entry = entry;
  t->arg = arg;
  t->stackBase = g_head ? g_head->stackBase : 0;
  return t;
}

int coop_add(ThreadRecord* t) {
  if (!g_head || !t) return 0;
  ThreadRecord* tail = g_head;
  while (tail->next) tail = tail->next;
  tail->next = t;
  t->next = nullptr;
  return 1;
}

// Unlinks and frees a record (and whatever stack copy it still holds).
void coop_remove(ThreadRecord* t) {
  if (!t || !g_head) return;
  if (t == g_head) {  // the list is left empty, as its head is gone
    free(g_head->buffer);
    free(g_head);
    g_head = g_current = nullptr;
    return;
  }
  ThreadRecord* prev = g_head;
  while (prev->next && prev->next != t) prev = prev->next;
  if (prev->next != t) return;
  prev->next = t->next;
  if (g_current == t) g_current = prev;
  free(t->buffer);
  free(t);
}

[[maybe_unused]] static bool in_list(const ThreadRecord* t) {
  for (ThreadRecord* p = g_head; p; p = p->next)
    if (p == t) return true;
  return false;
}

ThreadRecord* coop_current() { return g_current; }
ThreadRecord* coop_first() { return g_head; }
ThreadRecord* coop_next(ThreadRecord* t) { return t ? t->next : nullptr; }
int coop_is_alive(ThreadRecord* t) { return t && t->started == 1 && t->finished == 0; }
int coop_failed() { return g_failed; }

void coop_set_priority(ThreadRecord* t, int32_t p) {
  if (!t) return;
  uint32_t u = static_cast<uint32_t>(p);  // compared unsigned: negative becomes 10
  if (u < 1) u = 1;
  if (u > 10) u = 10;
  t->priority = t->priority2 = static_cast<int32_t>(u);
}

int32_t coop_get_priority(ThreadRecord* t) { return t ? t->priority : 1; }

#ifdef __EMSCRIPTEN__
/* ---------------------------------------------------------------------------
 * Context switch: in coop_fiber.cpp (a WebAssembly call stack cannot be copied)
 * ------------------------------------------------------------------------- */

void coop_set_current(ThreadRecord* t) { g_current = t; }
void coop_fail() { g_failed = 1; }
static int make_launcher(uintptr_t) { return 1; }  // a fiber starts on a stack of its own

#else
/* ---------------------------------------------------------------------------
 * Context switch
 * ------------------------------------------------------------------------- */

static void save_eh(ThreadRecord* t) {
  EhGlobals* g = __cxa_get_globals();
  t->ehCaught = g->caught;
  t->ehUncaught = g->uncaught;
}

static void load_eh(const ThreadRecord* t) {
  EhGlobals* g = __cxa_get_globals();
  g->caught = t->ehCaught;
  g->uncaught = t->ehUncaught;
}

#if PALM_ASAN
// The used stack holds the red zones of live frames, and bytes written back keep the shadow
// of whatever ran there before. Stack bytes are copied unchecked, word by word (a library
// copy would be intercepted and checked), and a resuming thread finds everything below the
// base that any switched-out frame poisoned addressable again.
static uintptr_t g_deepest = UINTPTR_MAX;  // the lowest stack address a switch ever saved

__attribute__((no_sanitize_address)) static void copy_stack(void* to, const void* from,
                                                            uintptr_t n) {
  auto* d = static_cast<volatile uint8_t*>(to);
  auto* s = static_cast<const volatile uint8_t*>(from);
  uintptr_t i = 0;
  for (; i + sizeof(uintptr_t) <= n; i += sizeof(uintptr_t))
    *reinterpret_cast<volatile uintptr_t*>(d + i) =
        *reinterpret_cast<const volatile uintptr_t*>(s + i);
  for (; i < n; i++) d[i] = s[i];
}

static void note_depth(uintptr_t sp) {
  if (sp < g_deepest) g_deepest = sp;
}

static void unpoison_stack(uintptr_t sp, uintptr_t base) {
  uintptr_t low = sp < g_deepest ? sp : g_deepest;
  ASAN_UNPOISON_MEMORY_REGION(reinterpret_cast<void*>(low), base - low);
}
#else
static void copy_stack(void* to, const void* from, uintptr_t n) { memcpy(to, from, n); }
static void note_depth(uintptr_t) {}
static void unpoison_stack(uintptr_t, uintptr_t) {}
#endif

// Copies the used stack, from this routine's own frame (just below the switch routine's,
// which is not a leaf and so keeps nothing below its stack pointer) up to the base, into
// the thread's buffer; the buffer is reused while it is large enough. Nothing below is
// saved, so stale words of finished threads do not turn into roots.
__attribute__((no_sanitize_address)) __attribute__((noinline)) static int copy_out(
    ThreadRecord* t) {
  uintptr_t sp = reinterpret_cast<uintptr_t>(__builtin_frame_address(0)) & ~uintptr_t{15};
  uintptr_t size = t->stackBase - sp;
  if (size > t->bufferCapacity) {
    free(t->buffer);
    t->buffer = nullptr;
    t->bufferCapacity = 0;
  }
  if (!t->buffer) {
    t->buffer = static_cast<uint8_t*>(malloc(size));
    if (!t->buffer) {
      g_failed = 1;
      return 0;
    }
    t->bufferCapacity = size;
  }
  t->savedSize = size;
  note_depth(sp);
  copy_stack(t->buffer, reinterpret_cast<void*>(sp), size);
  return 1;
}

// Runs below the lowest byte it writes: puts the copy back and jumps into it.
[[noreturn]] __attribute__((no_sanitize_address)) __attribute__((noinline)) static void
write_back_and_jump(ThreadRecord* t) {
  copy_stack(reinterpret_cast<void*>(t->stackBase - t->savedSize), t->buffer, t->savedSize);
  unpoison_stack(reinterpret_cast<uintptr_t>(__builtin_frame_address(0)), t->stackBase);
  load_eh(t);
  __builtin_longjmp(t->context, 1);
}

// Grows the stack below the thread's saved range (page by page on targets that probe),
// then restores it; the thread returns 1 from its own earlier coop_switch.
[[noreturn]] __attribute__((noinline)) static void resume(ThreadRecord* t) {
  volatile char here = 0;
  uintptr_t sp = reinterpret_cast<uintptr_t>(&here);
  uintptr_t low = t->stackBase - t->savedSize;
  if (sp + RESTORE_CLEARANCE > low) {
    char* pad = static_cast<char*>(alloca(sp + RESTORE_CLEARANCE - low));
    asm volatile("" : : "r"(pad) : "memory");
  }
  write_back_and_jump(t);
}

// Runs a new thread on the launch pad. When its entry returns the thread has ended: the
// thread that last switched to it goes on or, if it never yielded, the one that started it,
// whose switch then returns 0.
[[noreturn]] __attribute__((noinline)) static void run_new_thread(ThreadRecord* t) {
  if (t->entry) t->entry(t->arg);
  ThreadRecord* self = g_current;  // this frame may since have been restored from a copy
  self->finished = 1;
  free(self->buffer);
  self->buffer = nullptr;
  self->bufferCapacity = 0;
  self->savedSize = 0;
  ThreadRecord* r = self->resumer;
  if (!r) {
    r = g_starter;
    g_switch_result = 0;
  }
  if (!in_list(r) || r->finished) {  // its resumer is gone
    r = g_head;
    g_switch_result = 1;
  }
  g_current = r;
  resume(r);
}

// Saves the launch pad the first time through; every new thread later lands here on a
// fresh copy, with no exception state (the launcher's is zero). 0 when the copy fails.
__attribute__((noinline)) static int launch_pad() {
  if (__builtin_setjmp(g_launcher.context)) run_new_thread(g_current);
  return copy_out(&g_launcher);
}

static int make_launcher(uintptr_t base) {
  g_launcher = ThreadRecord{};
  g_launcher.stackBase = base;
  g_launcher.started = 1;
  return launch_pad();
}

__attribute__((noinline)) static int coop_switch(ThreadRecord* from, ThreadRecord* to) {
  if (!from || !to) return 0;
  save_eh(from);
  if (__builtin_setjmp(from->context)) {
    load_eh(g_current);
    int result = g_switch_result;
    g_switch_result = 1;
    return result;
  }
  if (!copy_out(from)) {
    g_current = from;  // stay on the yielding thread
    return 0;
  }
  if (!to->started) {
    to->started = 1;
    to->resumer = nullptr;
    g_starter = from;
    resume(&g_launcher);
  }
  resume(to);
}

void coop_roots(void (*range)(uintptr_t lo, uintptr_t hi), uintptr_t low, uintptr_t top) {
  if (g_head && g_head->stackBase > top) top = g_head->stackBase;
  if (!g_head) range(low, top);
  for (ThreadRecord* t = g_head; t; t = t->next) {
    if (t == g_current)
      range(low, top);
    else if (t->buffer)
      range(reinterpret_cast<uintptr_t>(t->buffer),
            reinterpret_cast<uintptr_t>(t->buffer) + t->savedSize);
  }
}

#endif

/* ---------------------------------------------------------------------------
 * Scheduler
 * ------------------------------------------------------------------------- */

// The list starts at the head (the thread that owns the machine stack), holds each record
// once, and holds the running thread; priorities stay within 1..10.
static void check_threads() {
#ifdef PALM_ASSERTS
  PALM_ASSERT(g_head->started && g_head->stackBase != 0);
  bool current = false;
  size_t n = 0;
  for (ThreadRecord* t = g_head; t; t = t->next, n++) {
    PALM_ASSERT(n < (size_t{1} << 20));  // no cycle
    PALM_ASSERT(t->priority == 0 || (t->priority >= 1 && t->priority <= 10));
    current = current || t == g_current;
  }
  PALM_ASSERT(current);
#endif
}

int coop_yield() {
  if (!g_head || !g_current) return 0;
  check_threads();
  int64_t now = monotonic_us();
  g_busy += now - g_slice_start;
  g_slice_start = now;
  ThreadRecord* taken = nullptr;
  for (ThreadRecord* t = g_current->next; t;) {
    ThreadRecord* next = t->next;
    if (t->finished) {
      coop_remove(t);
      t = next;
      continue;
    }
    if (t->wakeTime > 0) {
      if (coop_now_ms() < t->wakeTime) {
        t = next;
        continue;
      }
      t->wakeTime = 0;
    }
    taken = t;
    break;
  }
  if (!taken) {
    if (!g_head->next) return 1;  // the head alone: nothing to switch to
    taken = g_head;
  }
  PALM_ASSERT(!taken->finished && in_list(taken));
  taken->resumer = g_current;
  g_current = taken;
  give_up_slice();
  if (taken == taken->resumer) return 1;  // round ended where it began
  taken->switches++;
  g_slice_start = monotonic_us();  // the time given up is nobody's work
  return coop_switch(taken->resumer, taken);
}

int64_t coop_busy_us() { return g_busy + (monotonic_us() - g_slice_start); }

void coop_reset_busy() {
  g_busy = 0;
  g_slice_start = monotonic_us();
}

int64_t coop_next_wake_ms() {
  int64_t next = 0;
  for (ThreadRecord* t = g_head; t; t = t->next)
    if (!t->finished && t->wakeTime > 0 && (next == 0 || t->wakeTime < next)) next = t->wakeTime;
  return next;
}

void coop_bench_keep_slice(int keep) { g_keep_slice = keep != 0; }

int coop_sleep(int64_t milliseconds) {
  if (g_current) g_current->wakeTime = coop_now_ms() + milliseconds;
  return coop_yield();
}
