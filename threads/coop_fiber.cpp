// Context switch on Asyncify fibers, for WebAssembly: its call stack lies outside linear
// memory, so it cannot be copied; each thread gets a C stack and an Asyncify save area of
// its own instead. The scheduler above (coop.cpp) is the same as on every other target.
#include <emscripten/emscripten.h>
#include <emscripten/fiber.h>
#include <emscripten/stack.h>

#include <cstdlib>

#include "threads/coop.h"
#include "threads/coop_switch.h"

// A thread's own C stack (address-taken locals and arrays only; the rest are wasm locals).
static constexpr size_t FIBER_C_STACK = 512 * 1024;
// Where Asyncify keeps the wasm locals of a switched-out thread, frame by frame.
static constexpr size_t FIBER_SAVE_AREA = 256 * 1024;
// The head runs on the program's own stack and needs the save area only.
static constexpr size_t HEAD_SAVE_AREA = FIBER_SAVE_AREA;

// Lives in the thread record's buffer, so that the record's owner frees it as it frees
// a stack copy; the save area and the C stack follow it in the same block.
struct FiberBlock {
  emscripten_fiber_t fiber;
  ThreadRecord* starter;  // whom a thread that ends before it ever yields goes back to
  uint8_t* saveArea;
  uintptr_t stackLow;
  uintptr_t stackHigh;  // the C stack's base (it grows down); the head's is the program's
};

static int g_result;  // what the resumed thread's coop_switch returns

// Each thread's caught-exception chain and uncaught count, swapped out and in (web/library.js:
// the JavaScript exception support keeps them in one place for the whole program).
extern "C" void palm_eh_switch(ThreadRecord* from, ThreadRecord* to, int fresh);

static FiberBlock* block_of(const ThreadRecord* t) {
  return reinterpret_cast<FiberBlock*>(t->buffer);
}

/* ---------------------------------------------------------------------------
 * Fibers
 * ------------------------------------------------------------------------- */

static FiberBlock* new_block(ThreadRecord* t, size_t save, size_t stack) {
  size_t size = sizeof(FiberBlock) + save + stack + 16;
  auto* raw = static_cast<uint8_t*>(calloc(1, size));
  if (!raw) return nullptr;
  free(t->buffer);
  t->buffer = raw;
  t->bufferCapacity = size;
  t->savedSize = 0;
  auto* b = reinterpret_cast<FiberBlock*>(raw);
  b->saveArea = raw + sizeof(FiberBlock);
  b->stackLow = (reinterpret_cast<uintptr_t>(b->saveArea) + save + 15) & ~uintptr_t{15};
  b->stackHigh = b->stackLow + stack;
  return b;
}

// The head is the program's own context, taken over the first time it switches away.
static bool head_fiber(ThreadRecord* t) {
  if (block_of(t)) return true;
  FiberBlock* b = new_block(t, HEAD_SAVE_AREA, 0);
  if (!b) return false;
  b->stackLow = emscripten_stack_get_end();
  b->stackHigh = emscripten_stack_get_base();
  emscripten_fiber_init_from_current_context(&b->fiber, b->saveArea, HEAD_SAVE_AREA);
  return true;
}

static bool listed(const ThreadRecord* t) {
  for (ThreadRecord* p = coop_first(); p; p = coop_next(p))
    if (p == t) return true;
  return false;
}

static void jump(ThreadRecord* from, ThreadRecord* to, int result, int fresh) {
  palm_eh_switch(from, to, fresh);
  g_result = result;
  emscripten_fiber_swap(&block_of(from)->fiber, &block_of(to)->fiber);
}

// Runs the thread, then hands over for good: to its last resumer, to the head when that
// one is gone, or straight back to its starter when it never yielded. The block is freed
// by whoever removes the record, from another fiber.
static void fiber_main(void* arg) {
  auto* self = static_cast<ThreadRecord*>(arg);
  if (self->entry) self->entry(self->arg);
  self->finished = 1;
  ThreadRecord* r = self->resumer;
  int result = 1;
  if (!r) {
    r = block_of(self)->starter;
    result = 0;
  } else if (!listed(r) || r->finished) {
    r = coop_first();
  }
  coop_set_current(r);
  jump(self, r, result, 0);
  abort();  // an ended thread is never switched to
}

/* ---------------------------------------------------------------------------
 * Switch
 * ------------------------------------------------------------------------- */

// Returns 1 when `from` is switched to again, 0 when the thread it started ended without
// yielding, or when no fiber could be made (the yielding thread goes on).
int coop_switch(ThreadRecord* from, ThreadRecord* to) {
  if (!from || !to) return 0;
  if (!block_of(from) && !(from == coop_first() && head_fiber(from))) {
    coop_set_current(from);
    return 0;
  }
  int fresh = 0;
  if (!to->started) {
    FiberBlock* b = new_block(to, FIBER_SAVE_AREA, FIBER_C_STACK);
    if (!b) {
      coop_set_current(from);
      coop_fail();
      return 0;
    }
    b->starter = from;
    emscripten_fiber_init(&b->fiber, fiber_main, to, reinterpret_cast<void*>(b->stackLow),
                          FIBER_C_STACK, b->saveArea, FIBER_SAVE_AREA);
    to->started = 1;
    to->resumer = nullptr;
    fresh = 1;
  }
  jump(from, to, 1, fresh);
  return g_result;
}

/* ---------------------------------------------------------------------------
 * Roots
 * ------------------------------------------------------------------------- */

static void (*g_range)(uintptr_t lo, uintptr_t hi);

static void scanned(void* begin, void* end) {
  g_range(reinterpret_cast<uintptr_t>(begin), reinterpret_cast<uintptr_t>(end));
}

// The running thread's locals are spilled by unwinding its call stack into a save area,
// which is scanned before the stack is wound up again (web/library.js); its C stack is
// scanned from here.
extern "C" void palm_scan_locals(void (*func)(void* begin, void* end));

__attribute__((noinline)) void coop_roots(void (*range)(uintptr_t lo, uintptr_t hi), uintptr_t,
                                          uintptr_t) {
  g_range = range;
  ThreadRecord* current = coop_current();
  uintptr_t sp = emscripten_stack_get_current();
  uintptr_t base = current && block_of(current) && block_of(current)->stackHigh
                       ? block_of(current)->stackHigh
                       : emscripten_stack_get_base();
  range(sp, base);
  for (ThreadRecord* t = coop_first(); t; t = coop_next(t)) {
    FiberBlock* b = block_of(t);
    if (t == current || !b || !t->started || t->finished) continue;
    range(reinterpret_cast<uintptr_t>(b->fiber.stack_ptr), b->stackHigh);
    range(reinterpret_cast<uintptr_t>(b->saveArea),
          reinterpret_cast<uintptr_t>(b->fiber.asyncify_data.stack_ptr));
  }
  palm_scan_locals(scanned);
}
