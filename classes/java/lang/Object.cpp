// java/lang/Object
#include "java/lang/Object.h"

#include <cstdio>

#include "java/lang/Class.h"
#include "java/lang/IllegalArgumentException.h"

namespace java::lang {

ClassDecl Object::klass = {
    .name = "java/lang/Object",
    .instanceSize = RT_HEADER_SIZE,
    .defaultCtor = &Object::init,
    .methods = {impl(m_hashCode, &Object::hashCode), impl(m_equals, &Object::equals),
                impl(m_toString, &Object::toString)},
    .uses = {&java::lang::Class::klass, &java::lang::IllegalArgumentException::klass},
};

void Object::init(Ref) {}

// A new Class object at every call: class objects are not unique.
Ref Object::getClass(Ref self) { return Class::forIndex(rt_class_of(nn(self))); }

// The object's address; objects never move.
jint Object::hashCode(Ref self) { return static_cast<jint>(reinterpret_cast<uintptr_t>(self)); }

jbool Object::equals(Ref self, Ref obj) { return self == obj; }

// Class name with '/' separators, "@", the hash code in lowercase hex.
Ref Object::toString(Ref self) {
  std::string text = jstring_bytes(Class::getName(getClass(self)));
  char hex[16];
  snprintf(hex, sizeof hex, "@%x", static_cast<unsigned>(vcall(m_hashCode, self)));
  return lit((text + hex).c_str());
}

// Threads are cooperative: there are no monitors to wait on.
void Object::notify(Ref) { rt_throw_error(ERR_NOT_IMPLEMENTED); }
void Object::notifyAll(Ref) { rt_throw_error(ERR_NOT_IMPLEMENTED); }
void Object::wait(Ref self) { wait(self, 0); }
void Object::wait(Ref, jlong) { rt_throw_error(ERR_NOT_IMPLEMENTED); }

void Object::wait(Ref self, jlong timeout, jint nanos) {
  if (timeout < 0) jthrow(jnew<IllegalArgumentException>(lit("timeout value is negative")));
  if (nanos < 0 || nanos > 999999)
    jthrow(jnew<IllegalArgumentException>(lit("nanosecond timeout value out of range")));
  if (nanos >= 500000 || (nanos != 0 && timeout == 0)) timeout++;
  wait(self, timeout);
}

}  // namespace java::lang
