// Class table: registration, dispatch, type tests, class initialisation and lookup by name.
#include <cstring>

#include "runtime/rt.h"

ProgramImage rt_image;
uintptr_t rt_stack_top;

/* ---------------------------------------------------------------------------
 * Registration
 * ------------------------------------------------------------------------- */

__attribute__((noinline)) void rt_register_module(const ProgramImage& image) {
  rt_stack_top = reinterpret_cast<uintptr_t>(__builtin_frame_address(0));
  rt_image = image;
  rt_all_objects = nullptr;
}

/* ---------------------------------------------------------------------------
 * Dispatch: search the receiver's class and then each superclass
 * ------------------------------------------------------------------------- */

// The first entry, from the receiver's class up, whose selector of the given kind matches.
static void* find_method(Ref receiver, uint16_t MethodEntry::*selector, int wanted,
                         const char* missing) {
  if (!receiver) rt_throw_error(ERR_NULL_POINTER);
  for (int c = rt_class_of(receiver); c >= 0; c = rt_record(c)->superIndex) {
    const ClassRecord* r = rt_record(c);
    for (int i = 0; i < r->methodCount; i++)
      if (r->methods[i].*selector == wanted) return r->methods[i].code;
  }
  rt_fatal(missing);
}

void* rt_dispatch_virtual(Ref receiver, int virtualSelector) {
  return find_method(receiver, &MethodEntry::virtualSelector, virtualSelector,
                     "Virtual method not found.");
}

void* rt_dispatch_interface(Ref receiver, int interfaceSelector) {
  return find_method(receiver, &MethodEntry::interfaceSelector, interfaceSelector,
                     "Interface method not found.");
}

/* ---------------------------------------------------------------------------
 * Type tests
 * ------------------------------------------------------------------------- */

bool rt_is_assignable(int classIndex, int targetIndex) {
  for (int c = classIndex; c >= 0; c = rt_record(c)->superIndex) {
    if (c == targetIndex) return true;
    const ClassRecord* r = rt_record(c);
    for (int i = 0; i < r->interfaceCount; i++)
      if (rt_is_assignable(r->interfaces[i], targetIndex)) return true;
  }
  return false;
}

int rt_instance_of(Ref object, int classIndex) {
  return object && rt_is_assignable(rt_class_of(object), classIndex) ? 1 : 0;
}

void rt_check_cast(Ref object, int classIndex) {
  if (object && !rt_is_assignable(rt_class_of(object), classIndex))
    rt_fatal("Class cast exception.");
}

/* ---------------------------------------------------------------------------
 * Class initialisation
 * ------------------------------------------------------------------------- */

// The flag is set before the initializer runs, so reentry finds the class initialised.
void rt_init_class(int classIndex) {
  // A class the program's table lacks has index -1 (class code that names a class its
  // declaration does not use).
  if (classIndex < 0 || classIndex >= rt_image.classCount) rt_fatal("Bad class index.");
  if (rt_image.initFlags[classIndex]) return;
  const ClassRecord* r = rt_record(classIndex);
  if (r->superIndex >= 0) rt_init_class(r->superIndex);
  rt_image.initFlags[classIndex] = 1;
  if (r->classInit) r->classInit();
}

void rt_init_all_classes() {
  for (int i = 0; i < rt_image.classCount; i++) rt_init_class(i);
}

int16_t rt_class_index_by_name(const char* name) {
  if (!name) return -1;
  for (int i = 0; i < rt_image.classCount && i < 32767; i++)
    if (strcmp(rt_record(i)->name, name) == 0) return static_cast<int16_t>(i);
  return -1;
}
