// Object, array and string creation, checked element access and checked arithmetic.
#include <climits>
#include <cstring>

#include "runtime/rt.h"

/* ---------------------------------------------------------------------------
 * Allocation
 * ------------------------------------------------------------------------- */

Ref rt_new_object(int classIndex) {
  if (classIndex < 0 || classIndex >= rt_image.classCount) rt_fatal("Bad class index.");
  auto* block = static_cast<char*>(rt_alloc_zeroed(rt_record(classIndex)->instanceSize));
  auto* h = reinterpret_cast<ObjectHeader*>(block);
  h->mark = 0;
  h->classIndex = static_cast<int16_t>(classIndex);
  h->nextObject = reinterpret_cast<uintptr_t>(rt_all_objects);
  Ref obj = reinterpret_cast<Ref>(block + RT_HEADER_SIZE);
  rt_all_objects = obj;
  return obj;
}

// The half-built array is held in a volatile stack slot while its storage is
// allocated, because that allocation may collect.
static Ref new_array_of(int arrayClassIndex, int elementSize, int elementClass, jint length) {
  if (length < 0) rt_throw_error(ERR_NEGATIVE_ARRAY_SIZE);
  Ref volatile array = rt_new_object(arrayClassIndex);
  ArrayFields* a = rt_array(array);
  a->length = length;
  a->elementSize = static_cast<uint16_t>(elementSize);
  a->elementClass = static_cast<uint16_t>(elementClass);
  int64_t bytes = static_cast<int64_t>(length) * elementSize;
  if (elementSize < 0 || bytes > INT32_MAX) rt_fatal("Out of memory.");  // would not fit 32 bits
  void* storage = rt_alloc_zeroed(bytes);
  rt_array(array)->storage = storage;
  return array;
}

Ref rt_new_array(int arrayClassIndex, int elementSize, jint length) {
  return new_array_of(arrayClassIndex, elementSize, 0, length);
}

Ref rt_new_ref_array(int arrayClassIndex, int elementClassIndex, jint length) {
  return new_array_of(arrayClassIndex, sizeof(Ref), elementClassIndex, length);
}

// No literal pool: every evaluation of a literal makes a new String.
Ref rt_new_string(const char* text) {
  size_t n = strlen(text);
  if (n > INT32_MAX) rt_fatal("Out of memory.");
  Ref volatile chars = rt_new_array(rt_image.charArrayClass, 2, static_cast<jint>(n));
  auto* dst = static_cast<jchar*>(rt_array(chars)->storage);
  for (size_t i = 0; i < n; i++) dst[i] = static_cast<unsigned char>(text[i]);
  Ref volatile s = rt_new_object(rt_image.stringClass);
  rt_image.stringFromChars(s, chars);
  return s;
}

/* ---------------------------------------------------------------------------
 * Checks
 * ------------------------------------------------------------------------- */

void rt_monitor_enter(Ref object) {
  if (!object) rt_throw_error(ERR_NULL_POINTER);
}

void rt_monitor_exit(Ref object) {
  if (!object) rt_throw_error(ERR_NULL_POINTER);
}

jint rt_array_length(Ref array) {
  if (!array) rt_throw_error(ERR_NULL_POINTER);
  return rt_array(array)->length;
}

// The ranges are tested without overflow for any int positions and length.
void rt_array_copy(Ref src, jint srcPos, Ref dst, jint dstPos, jint length) {
  rt_take_error();
  if (!src || !dst) return rt_set_error(ERR_NULL_POINTER, __LINE__);
  if (length < 0) return rt_set_error(ERR_ILLEGAL_ARGUMENT, __LINE__);
  if (length == 0) return;
  ArrayFields* s = rt_array(src);
  ArrayFields* d = rt_array(dst);
  if (!s->storage || !d->storage) return rt_set_error(ERR_NULL_POINTER, __LINE__);
  if (srcPos < 0 || srcPos >= s->length || dstPos < 0 || dstPos >= d->length ||
      length > s->length - srcPos || length > d->length - dstPos)
    return rt_set_error(ERR_ARRAY_INDEX_OUT_OF_BOUNDS, __LINE__);
  if (s->elementSize != d->elementSize) return rt_set_error(ERR_ARRAY_ELEMENT_SIZE, __LINE__);
  size_t size = s->elementSize;
  memmove(static_cast<char*>(d->storage) + size * static_cast<size_t>(dstPos),
          static_cast<char*>(s->storage) + size * static_cast<size_t>(srcPos),
          size * static_cast<size_t>(length));
}

void* rt_array_element(Ref array, jint index) {
  if (!array) rt_throw_error(ERR_NULL_POINTER);
  const ArrayFields* a = rt_array(array);
  if (index < 0 || index >= a->length) rt_throw_error(ERR_ARRAY_INDEX_OUT_OF_BOUNDS);
  return static_cast<char*>(a->storage) + static_cast<size_t>(index) * a->elementSize;
}

/* ---------------------------------------------------------------------------
 * Checked arithmetic (the smallest value divided by -1 gives itself, remainder 0)
 * ------------------------------------------------------------------------- */

jint rt_idiv(jint a, jint b) {
  if (b == 0) rt_throw_error(ERR_DIVISION_BY_ZERO);
  return b == -1 ? static_cast<jint>(0u - static_cast<uint32_t>(a)) : a / b;
}

jint rt_irem(jint a, jint b) {
  if (b == 0) rt_throw_error(ERR_DIVISION_BY_ZERO);
  return b == -1 ? 0 : a % b;
}

jlong rt_ldiv(jlong a, jlong b) {
  if (b == 0) rt_throw_error(ERR_DIVISION_BY_ZERO);
  return b == -1 ? static_cast<jlong>(0ull - static_cast<uint64_t>(a)) : a / b;
}

jlong rt_lrem(jlong a, jlong b) {
  if (b == 0) rt_throw_error(ERR_DIVISION_BY_ZERO);
  return b == -1 ? 0 : a % b;
}

jlong rt_lshr(jlong a, jint n) { return a >> (n & 63); }

jint rt_lcmp(jlong a, jlong b) { return a > b ? 1 : (a < b ? -1 : 0); }
