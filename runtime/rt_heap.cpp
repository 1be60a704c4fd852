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
  return p + BLOCK_PREFIX;
}

void heap_free(void* block) {
  if (!block) return;
  char* p = static_cast<char*>(block) - BLOCK_PREFIX;
  int64_t size;
  memcpy(&size, p, sizeof size);
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
void rt_set_heap_limit(int64_t limit) { g_limit = limit; }

/* ---------------------------------------------------------------------------
 * Collector state
 *
 * The collector gives every object the mark a naive search would give it (the
 * address of the first root word, in root order, that holds it, or of the first
 * field on the depth-first trace), but finds roots with one pass over the root
 * words and a hash of the objects, so its cost is linear in objects + root words.
 * ------------------------------------------------------------------------- */

struct RootSlot {
  uintptr_t ref;    // object reference, 0 = empty slot
  uintptr_t found;  // address of the first root word holding it
};

struct TraceFrame {
  Ref obj;
  int32_t cls;  // class whose refOffsets are being walked; -1 for arrays
  uint32_t pos;
};

static std::vector<RootSlot> g_slots;
static size_t g_slot_mask;
static std::vector<TraceFrame> g_trace;

static size_t slot_hash(uintptr_t ref) {
  return static_cast<size_t>((ref >> 3) * 0x9E3779B97F4A7C15ull) & g_slot_mask;
}

static RootSlot* find_slot(uintptr_t ref) {
  for (size_t i = slot_hash(ref);; i = (i + 1) & g_slot_mask) {
    RootSlot* s = &g_slots[i];
    if (s->ref == ref) return s;
    if (s->ref == 0) return nullptr;
  }
}

static void build_slots(size_t count) {
  size_t cap = 16;
  while (cap < count * 2) cap <<= 1;
  g_slots.assign(cap, RootSlot{0, 0});
  g_slot_mask = cap - 1;
  for (Ref o = rt_all_objects; o; o = reinterpret_cast<Ref>(rt_header(o)->nextObject)) {
    uintptr_t ref = reinterpret_cast<uintptr_t>(o);
    size_t i = slot_hash(ref);
    while (g_slots[i].ref) i = (i + 1) & g_slot_mask;
    g_slots[i].ref = ref;
  }
}

/* ---------------------------------------------------------------------------
 * Root scan
 * ------------------------------------------------------------------------- */

static void note_word(uintptr_t* word) {
  uintptr_t v;
  memcpy(&v, word, sizeof v);
  if (!v) return;
  RootSlot* s = find_slot(v);
  if (s && !s->found) s->found = reinterpret_cast<uintptr_t>(word);
}

static void note_range(uintptr_t lo, uintptr_t hi) {
  lo = (lo + sizeof(uintptr_t) - 1) & ~(sizeof(uintptr_t) - 1);
  for (uintptr_t a = lo; a + sizeof(uintptr_t) <= hi; a += sizeof(uintptr_t))
    note_word(reinterpret_cast<uintptr_t*>(a));
}

static void note_visit(uintptr_t* word, void*) { note_word(word); }

// Scans from its own frame up; the caller has spilled the callee-saved registers.
__attribute__((noinline)) static void scan_roots() {
  volatile uintptr_t here = 0;
  uintptr_t low = reinterpret_cast<uintptr_t>(&here);
  ThreadRecord* head = coop_first();
  uintptr_t top = rt_stack_top;
  if (head && head->stackBase > top) top = head->stackBase;  // thread frames all lie below it
  if (!head) {
    note_range(low, top);
  } else {
    for (ThreadRecord* t = head; t; t = t->next) {
      if (t == coop_current())
        note_range(low, top);
      else if (t->buffer)
        note_range(reinterpret_cast<uintptr_t>(t->buffer),
                   reinterpret_cast<uintptr_t>(t->buffer) + t->savedSize);
    }
  }
  for (int i = 0; i < rt_image.staticWords; i++) note_word(&rt_image.statics[i]);
  for (ThreadRecord* t = head; t; t = t->next) note_word(reinterpret_cast<uintptr_t*>(&t->arg));
  rt_scan_in_flight(note_visit, nullptr);
}

/* ---------------------------------------------------------------------------
 * Trace: depth first, marking each object with the slot it was first reached by
 * ------------------------------------------------------------------------- */

static bool reach(uintptr_t* slot) {
  uintptr_t v;
  memcpy(&v, slot, sizeof v);
  if (!v) return false;
  ObjectHeader* h = rt_header(reinterpret_cast<Ref>(v));
  if (h->mark) return false;
  h->mark = reinterpret_cast<uintptr_t>(slot);
  const ClassRecord* r = rt_record(h->classIndex);
  int32_t cls = (r->flags & CLS_ARRAY) ? -1 : h->classIndex;
  g_trace.push_back(TraceFrame{reinterpret_cast<Ref>(v), cls, 0});
  return true;
}

// Finds the next unreached child of the frame's object and pushes it; false when none is left.
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
      auto* slot = reinterpret_cast<uintptr_t*>(reinterpret_cast<char*>(f.obj) +
                                                c->refOffsets[f.pos++]);
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

static void trace_from_stack() {
  while (!g_trace.empty()) {
    if (!step(g_trace.size() - 1)) g_trace.pop_back();
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

/* ---------------------------------------------------------------------------
 * Entry points
 * ------------------------------------------------------------------------- */

void rt_collect() {
  __builtin_unwind_init();  // callee-saved registers into this frame, inside the scan
  size_t count = 0;
  for (Ref o = rt_all_objects; o; o = reinterpret_cast<Ref>(rt_header(o)->nextObject)) {
    rt_header(o)->mark = 0;
    count++;
  }
  build_slots(count);
  scan_roots();
  for (Ref o = rt_all_objects; o; o = reinterpret_cast<Ref>(rt_header(o)->nextObject)) {
    ObjectHeader* h = rt_header(o);
    if (h->mark) continue;
    RootSlot* s = find_slot(reinterpret_cast<uintptr_t>(o));
    if (!s->found) continue;
    h->mark = s->found;
    const ClassRecord* r = rt_record(h->classIndex);
    g_trace.push_back(TraceFrame{o, (r->flags & CLS_ARRAY) ? -1 : h->classIndex, 0});
    trace_from_stack();
  }
  sweep();
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
  if (rt_image.statics)
    memset(rt_image.statics, 0, sizeof(uintptr_t) * static_cast<size_t>(rt_image.staticWords));
  natives_shutdown();
}
