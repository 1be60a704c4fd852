// java/lang/Long
#include "java/lang/Long.h"

#include "java/lang/Character.h"
#include "java/lang/Integer.h"
#include "java/lang/NumberFormatException.h"
#include "java/lang/String.h"

namespace java::lang {

ClassDecl Long::klass = {
    .name = "java/lang/Long",
    .super = &Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .methods = {impl(Object::m_hashCode, &Long::hashCode), impl(Object::m_equals, &Long::equals),
                impl(Object::m_toString, &Long::toString)},
};

// Negative magnitude, as Integer.toString: the smallest long prints too.
Ref Long::toString(jlong i, jint radix) {
  clinit<Integer>();
  if (radix < 2 || radix > 36) radix = 10;
  jchar buf[65];
  jint pos = 64;
  bool negative = i < 0;
  if (!negative) i = -i;
  const jchar* digits = elements<jchar>(Integer::S().digits);
  while (i <= -radix) {
    buf[pos--] = digits[-(i % radix)];
    i = i / radix;
  }
  buf[pos] = digits[-i];
  if (negative) buf[--pos] = '-';
  Ref volatile chars = new_char_array(65 - pos);
  for (jint k = pos; k < 65; k++) elements<jchar>(chars)[k - pos] = buf[k];
  return String::shared(chars, 0, 65 - pos);
}

Ref Long::toString(jlong i) { return toString(i, 10); }

[[noreturn]] static void bad_number(Ref message) { jthrow(jnew<NumberFormatException>(message)); }

// The rules and messages of Integer.parseInt over the long range.
jlong Long::parseLong(Ref s, jint radix) {
  if (!s) bad_number(lit("null"));
  if (radix < 2)
    bad_number(jconcat({lit("radix "), Integer::toString(radix), lit(" less than Character.MIN_RADIX")}));
  if (radix > 36)
    bad_number(jconcat({lit("radix "), Integer::toString(radix), lit(" greater than Character.MAX_RADIX")}));
  jint max = String::length(s);
  if (max == 0) bad_number(s);
  jint i = 0;
  bool negative = false;
  jlong limit = -MAX_VALUE;
  if (String::charAt(s, 0) == '-') {
    negative = true;
    limit = MIN_VALUE;
    i++;
    if (max == 1) bad_number(s);
  }
  jlong multmin = limit / radix;
  jlong result = 0;
  while (i < max) {
    jint digit = Character::digit(String::charAt(s, i++), radix);
    if (digit < 0 || result < multmin) bad_number(s);
    result *= radix;
    if (result < limit + digit) bad_number(s);
    result -= digit;
  }
  return negative ? result : -result;
}

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

jbool Long::equals(Ref self, Ref obj) { return instanceof<Long>(obj) && f(obj).value == f(self).value; }

}  // namespace java::lang
