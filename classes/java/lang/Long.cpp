// java/lang/Long
#include "java/lang/Long.h"

#include "java/lang/Integer.h"
#include "java/lang/String.h"

namespace java::lang {

ClassDecl Long::klass = {
    .name = "java/lang/Long",
    .super = &Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .methods = {impl(Object::m_hashCode, &Long::hashCode), impl(Object::m_equals, &Long::equals),
                impl(Object::m_toString, &Long::toString)},
    .uses = {&java::lang::Integer::klass, &java::lang::String::klass},
};

Ref Long::toString(jlong i, jint radix) { return format_signed(i, radix); }

Ref Long::toString(jlong i) { return toString(i, 10); }

jlong Long::parseLong(Ref s, jint radix) { return parse_signed<jlong>(s, radix); }

jlong Long::parseLong(Ref s) { return parseLong(s, 10); }

void Long::init(Ref self, jlong value) {
  Object::init(self);
  f(self).value = value;
}

jlong Long::longValue(Ref self) { return f(nn(self)).value; }

Ref Long::toString(Ref self) { return toString(f(self).value, 10); }

jint Long::hashCode(Ref self) {
  uint64_t v = static_cast<uint64_t>(f(self).value);
  return static_cast<jint>(static_cast<uint32_t>(v ^ (v >> 32)));
}

jbool Long::equals(Ref self, Ref obj) {
  return instanceof <Long>(obj) && f(obj).value == f(self).value;
}

}  // namespace java::lang
