// Helpers that let method code read like the Java it implements: fields, calls, new,
// literals, checked arrays, class initialisation, catching and the native protocol.
#pragma once

#include <cstddef>
#include <string>
#include <type_traits>
#include <utility>

#include "runtime/class_decl.h"
#include "runtime/rt.h"

// A virtual method as introduced by its owner class; Fn is its type with the receiver
// first, e.g. Method<Ref(Ref)> for toString().
template <class Fn>
struct Method;

template <class R, class... A>
struct Method<R(Ref, A...)> : MethodSlot {
  using Code = R (*)(Ref, A...);
  constexpr Method(const char* sig, const ClassDecl* owner) : MethodSlot(sig, owner) {}
};

// A method list entry whose code must have exactly the slot's type.
template <class Fn>
MethodImpl impl(Method<Fn>& slot, typename Method<Fn>::Code code,
                const Operations* only = nullptr) {
  return MethodImpl{&slot, reinterpret_cast<void*>(code), only};
}
template <class Fn>
MethodImpl abstract_method(Method<Fn>& slot) {
  return MethodImpl{&slot, nullptr};
}

// receiver.m(args...) by virtual selector.
// Arguments are taken by value, so packed fields can be passed as they are.
template <class R, class... A, class... P>
R vcall(Method<R(Ref, A...)>& m, Ref self, P... args) {
  auto code = reinterpret_cast<R (*)(Ref, A...)>(rt_dispatch_virtual(self, m.vsel));
  return code(self, static_cast<A>(args)...);
}

// receiver.m(args...) through an interface.
template <class R, class... A, class... P>
R icall(Method<R(Ref, A...)>& m, Ref self, P... args) {
  auto code = reinterpret_cast<R (*)(Ref, A...)>(rt_dispatch_interface(self, m.isel));
  return code(self, static_cast<A>(args)...);
}

// ---------------------------------------------------------------------------
// Layout: a class's own fields follow its superclass's, packed.
// ---------------------------------------------------------------------------

template <class F>
F& field_block(Ref self, size_t base) {
  return *reinterpret_cast<F*>(reinterpret_cast<char*>(self) + base);
}

// Inside a class struct, after `struct RT_PACKED Fields {...};`.
#define JAVA_FIELDS(Super)                               \
  static constexpr size_t kBase = Super::kEnd;           \
  static constexpr size_t kEnd = kBase + sizeof(Fields); \
  static Fields& f(Ref self) { return field_block<Fields>(self, kBase); }
#define JAVA_NO_FIELDS(Super) static constexpr size_t kEnd = Super::kEnd;
// Offset of a reference field, as listed in the class record.
#define JAVA_REF(Field) (kBase + offsetof(Fields, Field))
#define JAVA_INSTANCE_SIZE (RT_HEADER_SIZE + kEnd)

// Static fields of a class: `struct Statics {...};` in the class, then JAVA_STATICS.
#define JAVA_STATICS \
  static Statics& S() { return *reinterpret_cast<Statics*>(klass.statics); }
#define JAVA_STATIC_WORDS ((sizeof(Statics) + sizeof(uintptr_t) - 1) / sizeof(uintptr_t))

// ---------------------------------------------------------------------------
// Objects
// ---------------------------------------------------------------------------

template <class C>
int idx() {
  return C::klass.index;
}

// Class initialisation before a static call or static field access.
template <class C>
void clinit() {
  rt_init_class(C::klass.index);
}

// new C(args...): allocate, initialise the class, run the constructor.
template <class C, class... P>
Ref jnew(P... args) {
  Ref volatile obj = rt_new_object(C::klass.index);
  rt_init_class(C::klass.index);
  C::init(obj, args...);
  return obj;
}

// new C(args...) through a constructor named explicitly, for overloads that C++ cannot
// tell apart by argument type (String(char[]) and String(byte[])).
template <class C, class... A, class... P>
Ref jnew_by(void (*ctor)(Ref, A...), P... args) {
  Ref volatile obj = rt_new_object(C::klass.index);
  rt_init_class(C::klass.index);
  ctor(obj, static_cast<A>(args)...);
  return obj;
}

inline Ref nn(Ref r) {
  if (!r) rt_throw_error(ERR_NULL_POINTER);
  return r;
}

template <class C>
bool instanceof (Ref obj) {
  return rt_instance_of(obj, C::klass.index) != 0;
}

template <class C>
Ref cast(Ref obj) {
  rt_check_cast(obj, C::klass.index);
  return obj;
}

[[noreturn]] inline void jthrow(Ref exception) { rt_throw(exception); }

// Inside `catch (JavaThrow& e)`: does this clause catch C? If not, `throw;` passes it on.
template <class C>
bool caught(const JavaThrow& e) {
  return e.is(C::klass.index);
}

// A string literal: a new String at every evaluation.
inline Ref lit(const char* text) { return rt_new_string(text); }

// ---------------------------------------------------------------------------
// Arrays
// ---------------------------------------------------------------------------

inline jint alen(Ref a) { return rt_array_length(a); }

// off..off+len-1 within n elements, tested without overflow for any ints.
inline bool in_range(jint n, jint off, jint len) { return off >= 0 && len >= 0 && off <= n - len; }

// The stream bounds check: a null array is a NullPointerException, a range outside it an
// IndexOutOfBoundsException.
inline void check_bounds(Ref a, jint off, jint len) {
  if (!in_range(alen(a), off, len)) rt_throw_error(ERR_INDEX_OUT_OF_BOUNDS);
}
template <class T>
T* elements(Ref a) {
  return static_cast<T*>(rt_array(a)->storage);
}

// ---------------------------------------------------------------------------
// Natives: call, then turn a pending error code into its exception.
// ---------------------------------------------------------------------------

template <class R, class... A, class... P>
R native(R (*fn)(A...), P... args) {
  if constexpr (std::is_void_v<R>) {
    fn(static_cast<A>(args)...);
    if (int32_t code = rt_take_error()) rt_throw_error(code);
  } else {
    R result = fn(static_cast<A>(args)...);
    if (int32_t code = rt_take_error()) rt_throw_error(code);
    return result;
  }
}

// ---------------------------------------------------------------------------
// Threads: the run entry cuts the exception chain, so an exception escaping run()
// ends in the uncaught report instead of unwinding into the thread package.
// ---------------------------------------------------------------------------

template <void (*Run)(Ref)>
void run_entry(Ref self) {
  Ref escaped;
  try {
    Run(self);
    return;
  } catch (JavaThrow& e) {
    escaped = e.object();
  }
  rt_uncaught(escaped);
}

inline Ref new_char_array(jint n) { return rt_new_array(rt_image.charArrayClass, 2, n); }

// The "[B" class is not a well-known index; its index is looked up again whenever the
// remembered one does not name it in the current table.
inline Ref new_byte_array(jint n) {
  static int16_t index = -1;
  if (index < 0 || index >= rt_image.classCount ||
      __builtin_strcmp(rt_record(index)->name, "[B") != 0)
    index = rt_class_index_by_name("[B");
  return rt_new_array(index, 1, n);
}

// The characters of a String as 8-bit text (each char's low byte), for natives.
std::string jstring_bytes(Ref s);
