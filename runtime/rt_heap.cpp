// Object heap: the budgeted allocator, the mark-and-sweep collector, runtime start and stop.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "runtime/rt.h"
#include "threads/coop.h"

// Room in front of every block for the size it was counted with (keeps 16-byte alignment).
static constexpr size_t BLOCK_PREFIX = 16;

Ref rt_all_objects;
static int64_t g_limit = RT_HEAP_LIMIT;
static int64_t g_in_use;
static uint64_t g_allocations;  // ever made: the host's idle check looks for change

/* ---------------------------------------------------------------------------
 * Budgeted allocator
 * ------------------------------------------------------------------------- */

void* heap_alloc(int64_t size) {
  if (size < 0) return nullptr;
  if (g_in_use + size > g_limit) {
    rt_collect();
    if (g_in_use + size > g_limit) return nullptr;
  }
  auto* p = static_cast<char*>(malloc(static_cast<size_t>(size) + BLOCK_PREFIX));
  if (!p) return nullptr;
  memcpy(p, &size, sizeof size);
  g_in_use += size;
  g_allocations++;
  return p + BLOCK_PREFIX;
}

static int64_t block_size(const void* block) {
  int64_t size;
  memcpy(&size, static_cast<const char*>(block) - BLOCK_PREFIX, sizeof size);
  return size;
}

void heap_free(void* block) {
  if (!block) return;
  char* p = static_cast<char*>(block) - BLOCK_PREFIX;
  int64_t size = block_size(block);
  PALM_ASSERT(size >= 0 && size <= g_in_use);
  g_in_use -= size;
  free(p);
}

void* rt_alloc_zeroed(int64_t size) {
  void* block = heap_alloc(size);
  if (!block) rt_fatal("Out of memory.");
  memset(block, 0, static_cast<size_t>(size));
  return block;
}

int64_t rt_free_memory() { return g_limit - g_in_use; }
int64_t rt_total_memory() { return g_limit; }
int64_t rt_heap_in_use() { return g_in_use; }
uint64_t rt_allocations() { return g_allocations; }
void rt_set_heap_limit(int64_t limit) { g_limit = limit; }

/* ---------------------------------------------------------------------------
 * Collector state
 *
 * Roots are gathered once per collection, in root order: the threads' stacks from
 * the head on (the running thread's live stack, the others' saved copies), the
 * statics area, the threads' `arg` words, then thrown objects in flight. An object
 * unreached by the trace gets as its mark the first root word that holds it, as a
 * search of every root word per object would give, but the search goes through a
 * hash of the root words, so a collection costs objects + root words.
 * ------------------------------------------------------------------------- */

struct RootWord {
  uintptr_t addr;
  uintptr_t value;
};

struct RootSlot {
  uintptr_t ref;    // a root word's value, 0 = empty slot
  uintptr_t found;  // address of the first root word holding it
};

struct TraceFrame {
  Ref obj;
  int32_t cls;  // class whose refOffsets are being walked; -1 for arrays
  uint32_t pos;
};

static std::vector<RootWord> g_roots;
static std::vector<RootSlot> g_slots;
static size_t g_slot_mask;
static std::vector<TraceFrame> g_trace;

/* ---------------------------------------------------------------------------
 * Root gathering
 * ------------------------------------------------------------------------- */

// Stack words include the sanitizer's red zones between live locals: read them unchecked.
__attribute__((no_sanitize_address)) static void note_word(const uintptr_t* word) {
  uintptr_t v;
  memcpy(&v, word, sizeof v);
  if (v) g_roots.push_back(RootWord{reinterpret_cast<uintptr_t>(word), v});
}

__attribute__((no_sanitize_address)) static void note_range(uintptr_t lo, uintptr_t hi) {
  lo = (lo + sizeof(uintptr_t) - 1) & ~(sizeof(uintptr_t) - 1);
  for (uintptr_t a = lo; a + sizeof(uintptr_t) <= hi; a += sizeof(uintptr_t))
    note_word(reinterpret_cast<uintptr_t*>(a));
}

static void note_visit(uintptr_t* word, void*) { note_word(word); }

// Gathers from its own frame up; the caller has spilled the callee-saved registers.
__attribute__((noinline)) static void gather_roots() {
  volatile uintptr_t here = 0;
  uintptr_t low = reinterpret_cast<uintptr_t>(&here);
  g_roots.clear();
  coop_roots(note_range, low, rt_stack_top);
  for (int i = 0; i < rt_image.staticWords; i++) note_word(&rt_image.statics[i]);
  for (ThreadRecord* t = coop_first(); t; t = t->next)
    note_word(reinterpret_cast<uintptr_t*>(&t->arg));
  rt_scan_in_flight(note_visit, nullptr);
}

/* ---------------------------------------------------------------------------
 * Trace: depth first, marking each object with the slot it was first reached by
 * ------------------------------------------------------------------------- */

static void push_trace(Ref obj) {
  const ClassRecord* r = rt_record(rt_class_of(obj));
  g_trace.push_back(TraceFrame{obj, (r->flags & CLS_ARRAY) ? -1 : rt_class_of(obj), 0});
}

static bool reach(uintptr_t* slot) {
  uintptr_t v;
  memcpy(&v, slot, sizeof v);
  if (!v) return false;
  ObjectHeader* h = rt_header(reinterpret_cast<Ref>(v));
  if (h->mark) return false;
  h->mark = reinterpret_cast<uintptr_t>(slot);
  push_trace(reinterpret_cast<Ref>(v));
  return true;
}

// Finds the next unreached child of a frame's object and pushes it; false when none is left.
static bool step(size_t fi) {
  TraceFrame f = g_trace[fi];
  const ClassRecord* r = rt_record(rt_class_of(f.obj));
  if (f.cls < 0) {
    const ArrayFields* a = rt_array(f.obj);
    if (!(r->flags & CLS_REF_ARRAY) || !a->storage) return false;
    auto* elems = static_cast<uintptr_t*>(a->storage);
    while (f.pos < static_cast<uint32_t>(a->length)) {
      uintptr_t* slot = &elems[f.pos++];
      if (reach(slot)) {
        g_trace[fi].pos = f.pos;
        return true;
      }
    }
    return false;
  }
  while (f.cls >= 0) {
    const ClassRecord* c = rt_record(f.cls);
    while (f.pos < c->refCount) {
      auto* slot =
          reinterpret_cast<uintptr_t*>(reinterpret_cast<char*>(f.obj) + c->refOffsets[f.pos++]);
      if (reach(slot)) {
        g_trace[fi].cls = f.cls;
        g_trace[fi].pos = f.pos;
        return true;
      }
    }
    f.cls = c->superIndex;
    f.pos = 0;
  }
  return false;
}

// Marks one root object and everything it reaches, as a recursive trace would.
static void trace(Ref obj, uintptr_t mark) {
  rt_header(obj)->mark = mark;
  push_trace(obj);
  while (!g_trace.empty())
    if (!step(g_trace.size() - 1)) g_trace.pop_back();
}

/* ---------------------------------------------------------------------------
 * Mark: the hashed search, and the word-by-word search it must agree with
 * ------------------------------------------------------------------------- */

static size_t slot_hash(uintptr_t ref) {
  return static_cast<size_t>((static_cast<uint64_t>(ref) >> 3) * 0x9E3779B97F4A7C15ull) &
         g_slot_mask;
}

static RootSlot* find_slot(uintptr_t ref) {
  for (size_t i = slot_hash(ref);; i = (i + 1) & g_slot_mask) {
    RootSlot* s = &g_slots[i];
    if (s->ref == ref) return s;
    if (s->ref == 0) return nullptr;
  }
}

static void clear_marks() {
  for (Ref o = rt_all_objects; o; o = reinterpret_cast<Ref>(rt_header(o)->nextObject))
    rt_header(o)->mark = 0;
}

// Hashes the root words by value, keeping the first address of each value; every
// unmarked object in list order then finds its first root with one lookup.
static void mark_hashed() {
  size_t cap = 16;
  while (cap < g_roots.size() * 2) cap <<= 1;
  g_slots.assign(cap, RootSlot{0, 0});
  g_slot_mask = cap - 1;
  for (const RootWord& w : g_roots) {
    size_t i = slot_hash(w.value);
    while (g_slots[i].ref && g_slots[i].ref != w.value) i = (i + 1) & g_slot_mask;
    if (!g_slots[i].ref) g_slots[i] = RootSlot{w.value, w.addr};
  }
  for (Ref o = rt_all_objects; o; o = reinterpret_cast<Ref>(rt_header(o)->nextObject)) {
    if (rt_header(o)->mark) continue;
    RootSlot* s = find_slot(reinterpret_cast<uintptr_t>(o));
    if (s) trace(o, s->found);
  }
}

static void mark_by_search() {
  for (Ref o = rt_all_objects; o; o = reinterpret_cast<Ref>(rt_header(o)->nextObject)) {
    if (rt_header(o)->mark) continue;
    for (const RootWord& w : g_roots)
      if (w.value == reinterpret_cast<uintptr_t>(o)) {
        trace(o, w.addr);
        break;
      }
  }
}

/* ---------------------------------------------------------------------------
 * Sweep
 * ------------------------------------------------------------------------- */

static void free_object(Ref o) {
  const ClassRecord* r = rt_record(rt_class_of(o));
  host_release_resources(o, r->name);
  if (r->flags & CLS_ARRAY) heap_free(rt_array(o)->storage);
  heap_free(rt_header(o));
}

static void sweep() {
  ObjectHeader* prev = nullptr;
  Ref o = rt_all_objects;
  while (o) {
    ObjectHeader* h = rt_header(o);
    Ref next = reinterpret_cast<Ref>(h->nextObject);
    if (h->mark) {
      prev = h;
    } else {
      if (prev)
        prev->nextObject = reinterpret_cast<uintptr_t>(next);
      else
        rt_all_objects = next;
      free_object(o);
    }
    o = next;
  }
}

// After a collection every object left is marked (the sweep freed exactly the unmarked
// ones), and the bytes counted in use are exactly the blocks of the objects left: an
// object's block and an array's storage.
static void check_heap() {
#ifdef PALM_ASSERTS
  int64_t counted = 0;
  for (Ref o = rt_all_objects; o; o = reinterpret_cast<Ref>(rt_header(o)->nextObject)) {
    PALM_ASSERT(rt_header(o)->mark != 0);
    counted += block_size(rt_header(o));
    if ((rt_record(rt_class_of(o))->flags & CLS_ARRAY) && rt_array(o)->storage)
      counted += block_size(rt_array(o)->storage);
  }
  PALM_ASSERT(counted == g_in_use);
#endif
}

/* ---------------------------------------------------------------------------
 * Entry points
 * ------------------------------------------------------------------------- */

void rt_collect() {
  __builtin_unwind_init();  // callee-saved registers into this frame, inside the scan
  clear_marks();
  gather_roots();
  mark_hashed();
  sweep();
  check_heap();
}

void rt_collect_by_search() {
  __builtin_unwind_init();
  clear_marks();
  gather_roots();
  mark_by_search();
  sweep();
  check_heap();
}

size_t rt_mark_disagreements() {
  __builtin_unwind_init();
  clear_marks();
  gather_roots();
  mark_by_search();
  std::vector<uintptr_t> expected;
  for (Ref o = rt_all_objects; o; o = reinterpret_cast<Ref>(rt_header(o)->nextObject))
    expected.push_back(rt_header(o)->mark);
  clear_marks();
  mark_hashed();
  size_t differ = 0, i = 0;
  for (Ref o = rt_all_objects; o; o = reinterpret_cast<Ref>(rt_header(o)->nextObject))
    if (rt_header(o)->mark != expected[i++]) differ++;
  return differ;
}

int rt_is_live_object(Ref ref) {
  if (!ref) return 0;
  for (Ref o = rt_all_objects; o; o = reinterpret_cast<Ref>(rt_header(o)->nextObject))
    if (o == ref) return 1;
  return 0;
}

int rt_init(const ProgramImage& image) {
  if (!natives_init()) return 0;
  rt_register_module(image);
  return 1;
}

void rt_shutdown() {
  Ref o = rt_all_objects;
  while (o) {
    Ref next = reinterpret_cast<Ref>(rt_header(o)->nextObject);
    free_object(o);
    o = next;
  }
  rt_all_objects = nullptr;
  PALM_ASSERT(g_in_use == 0);  // every block was an object's
  if (rt_image.statics)
    memset(rt_image.statics, 0, sizeof(uintptr_t) * static_cast<size_t>(rt_image.staticWords));
  natives_shutdown();
}
