// Runtime core: class table formats, object model and the entry points class code calls.
#pragma once

#include <cstddef>
#include <cstdint>

#include "runtime/palm_assert.h"

// ---------------------------------------------------------------------------
// Primitive and reference types of class code
// ---------------------------------------------------------------------------

using jint = int32_t;
using jlong = int64_t;
using jshort = int16_t;
using jchar = uint16_t;
using jbyte = int8_t;
using jbool = uint16_t;  // a boolean field is a 16-bit 0 or 1

// An object reference points just past the object's header, at its first field.
struct rt_object;
using Ref = rt_object*;

#define RT_PACKED __attribute__((packed))

// ---------------------------------------------------------------------------
// Class table formats
// ---------------------------------------------------------------------------

enum : uint16_t {
  CLS_ARRAY = 0x0001,
  CLS_REF_ARRAY = 0x0002,  // always together with CLS_ARRAY
  CLS_THROWABLE = 0x2000,
  CLS_THREAD = 0x4000,
  CLS_INTERFACE = 0x8000,
};

struct MethodEntry {
  uint16_t virtualSelector;
  uint16_t interfaceSelector;
  void* code;
};

// 40 bytes on 32-bit targets; pointer fields are machine words elsewhere.
struct RT_PACKED ClassRecord {
  int16_t superIndex;
  uint16_t instanceSize;
  const uint16_t* refOffsets;
  uint16_t refCount;
  uint16_t flags;
  void (*classInit)();
  void (*defaultCtor)(Ref);
  const char* name;
  const MethodEntry* methods;
  uint16_t methodCount;
  const uint16_t* interfaces;
  uint16_t interfaceCount;
  uintptr_t extra;  // throwable: String ctor; primitive array: element size;
                    // ref array: element class index; thread: run selector
};

// Header in front of every object; `classIndex` sits right before the reference.
struct RT_PACKED ObjectHeader {
  uintptr_t mark;        // 0, or during a collection the address of the first word found
  uintptr_t nextObject;  // next reference on the all-objects list
  int16_t classIndex;
};

constexpr size_t RT_HEADER_SIZE = sizeof(ObjectHeader);

// Fields of every array object, right after its header.
struct RT_PACKED ArrayFields {
  jint length;
  uint16_t elementSize;
  uint16_t elementClass;
  void* storage;
};

constexpr size_t RT_ARRAY_INSTANCE_SIZE = RT_HEADER_SIZE + sizeof(ArrayFields);

// java/lang/String's three fields.
struct RT_PACKED StringFields {
  Ref value;
  jint offset;
  jint count;
};

#if UINTPTR_MAX == 0xffffffffu
static_assert(sizeof(ClassRecord) == 40);
static_assert(offsetof(ClassRecord, refOffsets) == 4);
static_assert(offsetof(ClassRecord, refCount) == 8);
static_assert(offsetof(ClassRecord, flags) == 10);
static_assert(offsetof(ClassRecord, classInit) == 12);
static_assert(offsetof(ClassRecord, defaultCtor) == 16);
static_assert(offsetof(ClassRecord, name) == 20);
static_assert(offsetof(ClassRecord, methods) == 24);
static_assert(offsetof(ClassRecord, methodCount) == 28);
static_assert(offsetof(ClassRecord, interfaces) == 30);
static_assert(offsetof(ClassRecord, interfaceCount) == 34);
static_assert(offsetof(ClassRecord, extra) == 36);
static_assert(sizeof(ObjectHeader) == 10);
static_assert(offsetof(ObjectHeader, classIndex) == 8);
static_assert(sizeof(MethodEntry) == 8);
static_assert(RT_ARRAY_INSTANCE_SIZE == 22);
#elif UINTPTR_MAX == 0xffffffffffffffffu
static_assert(sizeof(ClassRecord) == 68);
static_assert(offsetof(ClassRecord, refOffsets) == 4);
static_assert(offsetof(ClassRecord, refCount) == 12);
static_assert(offsetof(ClassRecord, flags) == 14);
static_assert(offsetof(ClassRecord, classInit) == 16);
static_assert(offsetof(ClassRecord, defaultCtor) == 24);
static_assert(offsetof(ClassRecord, name) == 32);
static_assert(offsetof(ClassRecord, methods) == 40);
static_assert(offsetof(ClassRecord, methodCount) == 48);
static_assert(offsetof(ClassRecord, interfaces) == 50);
static_assert(offsetof(ClassRecord, interfaceCount) == 58);
static_assert(offsetof(ClassRecord, extra) == 60);
static_assert(sizeof(ObjectHeader) == 18);
static_assert(offsetof(ObjectHeader, classIndex) == 16);
static_assert(sizeof(MethodEntry) == 16);
static_assert(RT_ARRAY_INSTANCE_SIZE == 34);
#endif

// Everything a program publishes to the runtime when it registers.
struct ProgramImage {
  const ClassRecord* classes;
  int32_t classCount;
  uintptr_t* statics;  // every word is a possible reference
  int32_t staticWords;
  uint8_t* initFlags;  // one byte per class, set when initialisation begins
  // Well-known classes, fixed with the table.
  int16_t charArrayClass;
  int16_t stringClass;
  int16_t classClass;
  int16_t stringBufferClass;
  int16_t threadClass;
  void (*stringFromChars)(Ref self, Ref chars);  // String(char[])
};

// Set by rt_register_module.
extern ProgramImage rt_image;
extern uintptr_t rt_stack_top;
extern Ref rt_all_objects;

// ---------------------------------------------------------------------------
// Object access
// ---------------------------------------------------------------------------

inline ObjectHeader* rt_header(Ref o) {
  return reinterpret_cast<ObjectHeader*>(reinterpret_cast<char*>(o) - RT_HEADER_SIZE);
}
inline int16_t rt_class_of(Ref o) { return rt_header(o)->classIndex; }
inline const ClassRecord* rt_record(int idx) { return &rt_image.classes[idx]; }
inline ArrayFields* rt_array(Ref a) { return reinterpret_cast<ArrayFields*>(a); }
inline StringFields* rt_string(Ref s) { return reinterpret_cast<StringFields*>(s); }

// Field access for natives: one field of an object by byte position.
inline jint rt_get_int(Ref o, size_t off) {
  jint v;
  __builtin_memcpy(&v, reinterpret_cast<char*>(o) + off, sizeof v);
  return v;
}
inline void rt_set_int(Ref o, size_t off, jint v) {
  __builtin_memcpy(reinterpret_cast<char*>(o) + off, &v, sizeof v);
}

// ---------------------------------------------------------------------------
// Entry points (class code never touches the heap or the table directly)
// ---------------------------------------------------------------------------

void rt_register_module(const ProgramImage& image);

Ref rt_new_object(int classIndex);
Ref rt_new_array(int arrayClassIndex, int elementSize, jint length);
Ref rt_new_ref_array(int arrayClassIndex, int elementClassIndex, jint length);
Ref rt_new_string(const char* text);

void* rt_dispatch_virtual(Ref receiver, int virtualSelector);
void* rt_dispatch_interface(Ref receiver, int interfaceSelector);

bool rt_is_assignable(int classIndex, int targetIndex);
int rt_instance_of(Ref object, int classIndex);
void rt_check_cast(Ref object, int classIndex);

void rt_monitor_enter(Ref object);
void rt_monitor_exit(Ref object);
jint rt_array_length(Ref array);
void* rt_array_element(Ref array, jint index);  // checked address of an element
// System.arraycopy's rule under the native protocol: overlapping ranges copy as if through
// a buffer; a failure leaves the pending error code and copies nothing.
void rt_array_copy(Ref src, jint srcPos, Ref dst, jint dstPos, jint length);

// The load and store families, each checked as rt_array_element checks.
inline jint rt_array_load32(Ref a, jint i) { return *static_cast<jint*>(rt_array_element(a, i)); }
inline jint rt_array_load8(Ref a, jint i) { return *static_cast<jbyte*>(rt_array_element(a, i)); }
inline jint rt_array_load16u(Ref a, jint i) { return *static_cast<jchar*>(rt_array_element(a, i)); }
inline jint rt_array_load16s(Ref a, jint i) {
  return *static_cast<jshort*>(rt_array_element(a, i));
}
inline Ref rt_array_load_ref(Ref a, jint i) { return *static_cast<Ref*>(rt_array_element(a, i)); }
inline void rt_array_store32(Ref a, jint i, jint v) {
  *static_cast<jint*>(rt_array_element(a, i)) = v;
}
inline void rt_array_store8(Ref a, jint i, jint v) {
  *static_cast<jbyte*>(rt_array_element(a, i)) = static_cast<jbyte>(v);
}
inline void rt_array_store16(Ref a, jint i, jint v) {
  *static_cast<jchar*>(rt_array_element(a, i)) = static_cast<jchar>(v);
}
inline void rt_array_store_ref(Ref a, jint i, Ref v) {
  *static_cast<Ref*>(rt_array_element(a, i)) = v;
}

jint rt_idiv(jint a, jint b);
jint rt_irem(jint a, jint b);
jlong rt_ldiv(jlong a, jlong b);
jlong rt_lrem(jlong a, jlong b);
jlong rt_lshr(jlong a, jint n);
jint rt_lcmp(jlong a, jlong b);

void rt_init_class(int classIndex);
void rt_init_all_classes();
int16_t rt_class_index_by_name(const char* name);

// ---------------------------------------------------------------------------
// Heap and collector
// ---------------------------------------------------------------------------

constexpr int64_t RT_HEAP_LIMIT = 131072;

void* heap_alloc(int64_t size);
void heap_free(void* block);
void* rt_alloc_zeroed(int64_t size);
void rt_collect();
int rt_is_live_object(Ref ref);
int64_t rt_free_memory();
int64_t rt_total_memory();
int64_t rt_heap_in_use();
// Heap blocks allocated since the process began (a round that changes it did work).
uint64_t rt_allocations();

// Benchmarks and tests: another budget, the word-by-word root search the collector's
// hashed search must agree with, and the number of objects whose marks differ between
// the two on one set of roots (nothing is swept).
void rt_set_heap_limit(int64_t limit);
void rt_collect_by_search();
size_t rt_mark_disagreements();

int rt_init(const ProgramImage& image);
void rt_shutdown();

// Supplied by the host: native module start and stop, resource release, fatal display.
int natives_init();
void natives_shutdown();
void host_release_resources(Ref object, const char* className);
void host_fatal_display(const char* text);

// ---------------------------------------------------------------------------
// Errors and exceptions
// ---------------------------------------------------------------------------

enum RtError : int32_t {
  ERR_NONE = 0,
  ERR_NULL_POINTER,
  ERR_CLASS_CAST,
  ERR_CLASS_NOT_FOUND,
  ERR_ILLEGAL_ARGUMENT,
  ERR_DIVISION_BY_ZERO,
  ERR_INDEX_OUT_OF_BOUNDS,
  ERR_NEGATIVE_ARRAY_SIZE,
  ERR_ARRAY_INDEX_OUT_OF_BOUNDS,
  ERR_STRING_INDEX_OUT_OF_BOUNDS,
  ERR_NUMBER_FORMAT,
  ERR_INTERRUPTED,
  ERR_SERVER_SOCKET,
  ERR_SOCKET,
  ERR_DATAGRAM_SOCKET,
  ERR_ARITHMETIC,
  ERR_OUT_OF_MEMORY,
  ERR_ARRAY_ELEMENT_SIZE,
  ERR_NOT_IMPLEMENTED,
  ERR_HEAP_CORRUPTED,
  ERR_INTERNAL,
  ERR_UNKNOWN,
  RT_ERROR_COUNT
};

void rt_set_error(int32_t code, int32_t line);
int32_t rt_take_error();
int32_t rt_error_line();
const char* rt_error_message(int32_t code);
int16_t rt_error_class(int32_t code);

[[noreturn]] void rt_throw_error(int32_t code);
[[noreturn]] void rt_throw(Ref exception);
[[noreturn]] void rt_fatal(const char* text);
[[noreturn]] void rt_uncaught(Ref exception);

// The C++ exception that carries a thrown object. While one exists its object is a
// collector root, so a throwable in flight (or held only by a catch clause) survives.
class JavaThrow {
 public:
  explicit JavaThrow(Ref obj);
  JavaThrow(const JavaThrow& other);
  JavaThrow& operator=(const JavaThrow&) = delete;
  ~JavaThrow();
  Ref object() const { return obj_; }
  bool is(int classIndex) const { return rt_instance_of(obj_, classIndex) != 0; }

 private:
  friend void rt_scan_in_flight(void (*visit)(uintptr_t*, void*), void* ctx);
  Ref obj_;
  JavaThrow* prev_;
  JavaThrow* next_;
};

// Visits the reference word of every thrown object still alive.
void rt_scan_in_flight(void (*visit)(uintptr_t*, void*), void* ctx);
