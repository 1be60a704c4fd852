// java/util/VectorEnumerator
#include "java/util/VectorEnumerator.h"

#include "java/util/Enumeration.h"
#include "java/util/NoSuchElementException.h"
#include "java/util/Vector.h"

namespace java::util {

ClassDecl VectorEnumerator::klass = {
    .name = "java/util/VectorEnumerator",
    .super = &java::lang::Object::klass,
    .interfaces = {&Enumeration::klass},
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(vector)},
    .methods = {impl(Enumeration::m_hasMoreElements, &VectorEnumerator::hasMoreElements),
                impl(Enumeration::m_nextElement, &VectorEnumerator::nextElement)},
    .uses = {&java::util::Enumeration::klass, &java::util::NoSuchElementException::klass,
             &java::util::Vector::klass},
};

void VectorEnumerator::init(Ref self, Ref v) {
  java::lang::Object::init(self);
  f(self).vector = v;
  f(self).count = 0;
}

jbool VectorEnumerator::hasMoreElements(Ref self) {
  return f(self).count < Vector::f(f(self).vector).elementCount;
}

Ref VectorEnumerator::nextElement(Ref self) {
  Ref v = f(self).vector;
  rt_monitor_enter(v);
  if (f(self).count < Vector::f(v).elementCount) {
    Ref e = rt_array_load_ref(Vector::f(v).elementData, f(self).count++);
    rt_monitor_exit(v);
    return e;
  }
  rt_monitor_exit(v);
  jthrow(jnew<NoSuchElementException>(lit("VectorEnumerator")));
}

}  // namespace java::util
