// java/util/Vector
#include "java/util/Vector.h"

#include <climits>

#include "java/lang/ArrayIndexOutOfBoundsException.h"
#include "java/lang/IllegalArgumentException.h"
#include "java/lang/Integer.h"
#include "java/lang/String.h"
#include "java/lang/StringBuffer.h"
#include "java/lang/System.h"
#include "java/util/Enumeration.h"
#include "java/util/NoSuchElementException.h"
#include "java/util/VectorEnumerator.h"

namespace java::util {

using java::lang::ArrayIndexOutOfBoundsException;
using java::lang::Integer;
using java::lang::Object;
using java::lang::System;

ClassDecl Vector::klass = {
    .name = "java/util/Vector",
    .super = &Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(elementData)},
    .defaultCtor = static_cast<void (*)(Ref)>(&Vector::init),
    .methods = {impl(Object::m_toString, &Vector::toString), impl(m_size, &Vector::size),
                impl(m_elements, &Vector::elements), impl(m_indexOf, &Vector::indexOf),
                impl(m_indexOfFrom, &Vector::indexOf), impl(m_elementAt, &Vector::elementAt),
                impl(m_removeElementAt, &Vector::removeElementAt),
                impl(m_insertElementAt, &Vector::insertElementAt),
                impl(m_addElement, &Vector::addElement),
                impl(m_removeElement, &Vector::removeElement),
                impl(m_removeAllElements, &Vector::removeAllElements)},
    .uses = {&java::lang::ArrayIndexOutOfBoundsException::klass,
             &java::lang::IllegalArgumentException::klass, &java::lang::Integer::klass,
             &java::lang::String::klass, &java::lang::StringBuffer::klass,
             &java::lang::System::klass, &java::util::Enumeration::klass,
             &java::util::NoSuchElementException::klass, &java::util::VectorEnumerator::klass},
};

static Ref new_object_array(jint n) {
  return rt_new_ref_array(rt_class_index_by_name("[Ljava/lang/Object;"), Object::klass.index, n);
}

[[noreturn]] static void out_of_bounds(jint index, const char* relation, jint count) {
  jthrow(jnew<ArrayIndexOutOfBoundsException>(
      jconcat({Integer::toString(index), lit(relation), Integer::toString(count)})));
}

// Grows by the increment, or doubles, and at least to the needed size.
static void ensureCapacityHelper(Ref self, jint minCapacity) {
  auto& v = Vector::f(self);
  jint oldCapacity = alen(v.elementData);
  if (minCapacity <= oldCapacity) return;
  int64_t grown = v.capacityIncrement > 0 ? static_cast<int64_t>(oldCapacity) + v.capacityIncrement
                                          : static_cast<int64_t>(oldCapacity) * 2;
  jint newCapacity = grown > INT_MAX ? INT_MAX : static_cast<jint>(grown);
  if (newCapacity < minCapacity) newCapacity = minCapacity;
  Ref volatile keep = self;
  Ref volatile newData = new_object_array(newCapacity);
  System::arraycopy(Vector::f(keep).elementData, 0, newData, 0, Vector::f(keep).elementCount);
  Vector::f(keep).elementData = newData;
}

void Vector::init(Ref self, jint initialCapacity, jint capacityIncrement) {
  Object::init(self);
  if (initialCapacity < 0)
    jthrow(jnew<java::lang::IllegalArgumentException>(
        jconcat({lit("Illegal Capacity: "), Integer::toString(initialCapacity)})));
  f(self).elementData = new_object_array(initialCapacity);
  f(self).capacityIncrement = capacityIncrement;
}

void Vector::init(Ref self, jint initialCapacity) { init(self, initialCapacity, 0); }

void Vector::init(Ref self) { init(self, 10); }

jint Vector::capacity(Ref self) { return alen(f(self).elementData); }

jint Vector::size(Ref self) { return f(self).elementCount; }

jbool Vector::isEmpty(Ref self) { return f(self).elementCount == 0; }

Ref Vector::elements(Ref self) { return jnew<VectorEnumerator>(self); }

jbool Vector::contains(Ref self, Ref elem) { return indexOf(self, elem, 0) >= 0; }

jint Vector::indexOf(Ref self, Ref elem) { return vcall(m_indexOfFrom, self, elem, 0); }

jint Vector::indexOf(Ref self, Ref elem, jint index) {
  for (jint i = index; i < f(self).elementCount; i++) {  // a negative index fails in the load
    Ref slot = rt_array_load_ref(f(self).elementData, i);
    if (elem ? vcall(Object::m_equals, elem, slot) != 0 : slot == nullptr) return i;
  }
  return -1;
}

Ref Vector::elementAt(Ref self, jint index) {
  if (index >= f(self).elementCount) out_of_bounds(index, " >= ", f(self).elementCount);
  return rt_array_load_ref(f(self).elementData, index);
}

Ref Vector::firstElement(Ref self) {
  if (f(self).elementCount == 0) jthrow(jnew<NoSuchElementException>());
  return rt_array_load_ref(f(self).elementData, 0);
}

Ref Vector::lastElement(Ref self) {
  if (f(self).elementCount == 0) jthrow(jnew<NoSuchElementException>());
  return rt_array_load_ref(f(self).elementData, f(self).elementCount - 1);
}

void Vector::setElementAt(Ref self, Ref obj, jint index) {
  if (index >= f(self).elementCount) out_of_bounds(index, " >= ", f(self).elementCount);
  rt_array_store_ref(f(self).elementData, index, obj);
}

void Vector::removeElementAt(Ref self, jint index) {
  if (index >= f(self).elementCount) out_of_bounds(index, " >= ", f(self).elementCount);
  if (index < 0) jthrow(jnew<ArrayIndexOutOfBoundsException>(index));
  jint j = f(self).elementCount - index - 1;
  if (j > 0) System::arraycopy(f(self).elementData, index + 1, f(self).elementData, index, j);
  f(self).elementCount--;
  rt_array_store_ref(f(self).elementData, f(self).elementCount, nullptr);
}

void Vector::insertElementAt(Ref self, Ref obj, jint index) {
  Ref volatile keep = obj;
  if (index > f(self).elementCount) out_of_bounds(index, " > ", f(self).elementCount);
  ensureCapacityHelper(self, f(self).elementCount + 1);
  System::arraycopy(f(self).elementData, index, f(self).elementData, index + 1,
                    f(self).elementCount - index);
  rt_array_store_ref(f(self).elementData, index, keep);
  f(self).elementCount++;
}

void Vector::addElement(Ref self, Ref obj) {
  Ref volatile keep = obj;
  ensureCapacityHelper(self, f(self).elementCount + 1);
  rt_array_store_ref(f(self).elementData, f(self).elementCount++, keep);
}

jbool Vector::removeElement(Ref self, Ref obj) {
  jint i = vcall(m_indexOf, self, obj);
  if (i >= 0) vcall(m_removeElementAt, self, i);
  return i >= 0;
}

void Vector::removeAllElements(Ref self) {
  for (jint i = 0; i < f(self).elementCount; i++)
    rt_array_store_ref(f(self).elementData, i, nullptr);
  f(self).elementCount = 0;
}

// "[" + the elements' string forms joined by ", " + "]".
Ref Vector::toString(Ref self) {
  using java::lang::StringBuffer;
  Ref volatile buf = jnew<StringBuffer>();
  Ref volatile e = vcall(m_elements, self);
  jint max = vcall(m_size, self) - 1;
  StringBuffer::appendString(buf, lit("["));
  for (jint i = 0; i <= max; i++) {
    StringBuffer::append(buf, icall(Enumeration::m_nextElement, e));
    if (i < max) StringBuffer::appendString(buf, lit(", "));
  }
  StringBuffer::appendString(buf, lit("]"));
  return StringBuffer::toString(buf);
}

}  // namespace java::util
