// java/lang/Integer
#include "java/lang/Integer.h"

#include <limits>

#include "java/lang/Character.h"
#include "java/lang/NumberFormatException.h"
#include "java/lang/String.h"

namespace java::lang {

ClassDecl Integer::klass = {
    .name = "java/lang/Integer",
    .super = &Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .classInit = &Integer::staticInit,
    .methods = {impl(Object::m_hashCode, &Integer::hashCode),
                impl(Object::m_equals, &Integer::equals),
                impl(Object::m_toString, &Integer::toString)},
    .staticWords = JAVA_STATIC_WORDS,
    .uses = {&java::lang::Character::klass, &java::lang::NumberFormatException::klass,
             &java::lang::String::klass},
};

void Integer::staticInit() {
  Ref table = new_char_array(36);
  for (jint i = 0; i < 36; i++)
    elements<jchar>(table)[i] = static_cast<jchar>(i < 10 ? '0' + i : 'a' + i - 10);
  S().digits = table;
}

static jchar digit_char(jint d) { return elements<jchar>(Integer::S().digits)[d]; }

// Works on the negative magnitude, so the smallest value prints too.
template <class T>
Ref format_signed(T i, jint radix) {
  clinit<Integer>();
  if (radix < 2 || radix > 36) radix = 10;
  constexpr jint size = sizeof(T) * 8 + 1;  // every binary digit and a sign
  jchar buf[size];
  jint pos = size - 1;
  bool negative = i < 0;
  if (!negative) i = -i;
  while (i <= -radix) {
    buf[pos--] = digit_char(static_cast<jint>(-(i % radix)));
    i = i / radix;
  }
  buf[pos] = digit_char(static_cast<jint>(-i));
  if (negative) buf[--pos] = '-';
  Ref volatile chars = new_char_array(size - pos);
  for (jint k = pos; k < size; k++) elements<jchar>(chars)[k - pos] = buf[k];
  return String::shared(chars, 0, size - pos);
}
template Ref format_signed<jint>(jint, jint);
template Ref format_signed<jlong>(jlong, jint);

Ref Integer::toString(jint i, jint radix) { return format_signed(i, radix); }

// The unsigned value, `shift` bits per digit, no leading zeros.
static Ref unsigned_string(jint i, int shift) {
  clinit<Integer>();
  uint32_t v = static_cast<uint32_t>(i);
  uint32_t mask = (1u << shift) - 1;
  jchar buf[32];
  jint pos = 32;
  do {
    buf[--pos] = digit_char(static_cast<jint>(v & mask));
    v >>= shift;
  } while (v != 0);
  Ref volatile chars = new_char_array(32 - pos);
  for (jint k = pos; k < 32; k++) elements<jchar>(chars)[k - pos] = buf[k];
  return String::shared(chars, 0, 32 - pos);
}

Ref Integer::toHexString(jint i) { return unsigned_string(i, 4); }
Ref Integer::toOctalString(jint i) { return unsigned_string(i, 3); }
Ref Integer::toBinaryString(jint i) { return unsigned_string(i, 1); }

Ref Integer::toString(jint i) { return toString(i, 10); }

[[noreturn]] static void bad_number(Ref message) { jthrow(jnew<NumberFormatException>(message)); }

// Accumulates negatively with overflow tests, so the smallest value parses.
template <class T>
T parse_signed(Ref s, jint radix) {
  clinit<Integer>();
  constexpr T kMin = std::numeric_limits<T>::min(), kMax = std::numeric_limits<T>::max();
  if (!s) bad_number(lit("null"));
  if (radix < 2)
    bad_number(
        jconcat({lit("radix "), Integer::toString(radix), lit(" less than Character.MIN_RADIX")}));
  if (radix > 36)
    bad_number(jconcat(
        {lit("radix "), Integer::toString(radix), lit(" greater than Character.MAX_RADIX")}));
  jint max = String::length(s);
  if (max == 0) bad_number(s);
  jint i = 0;
  bool negative = false;
  T limit = -kMax;
  if (String::charAt(s, 0) == '-') {
    negative = true;
    limit = kMin;
    i++;
    if (max == 1) bad_number(s);
  }
  T multmin = limit / radix;
  T result = 0;
  while (i < max) {
    jint digit = Character::digit(String::charAt(s, i++), radix);
    if (digit < 0 || result < multmin) bad_number(s);
    result *= radix;
    if (result < limit + digit) bad_number(s);
    result -= digit;
  }
  return negative ? result : -result;
}
template jint parse_signed<jint>(Ref, jint);
template jlong parse_signed<jlong>(Ref, jint);

jint Integer::parseInt(Ref s, jint radix) { return parse_signed<jint>(s, radix); }

jint Integer::parseInt(Ref s) { return parseInt(s, 10); }

Ref Integer::valueOf(Ref s, jint radix) { return jnew<Integer>(parseInt(s, radix)); }

Ref Integer::valueOf(Ref s) { return jnew<Integer>(parseInt(s, 10)); }

void Integer::init(Ref self, jint value) {
  Object::init(self);
  f(self).value = value;
}

jbyte Integer::byteValue(Ref self) { return static_cast<jbyte>(f(nn(self)).value); }
jshort Integer::shortValue(Ref self) { return static_cast<jshort>(f(nn(self)).value); }
jint Integer::intValue(Ref self) { return f(nn(self)).value; }
jlong Integer::longValue(Ref self) { return f(nn(self)).value; }

Ref Integer::toString(Ref self) { return toString(f(self).value, 10); }

jint Integer::hashCode(Ref self) { return f(self).value; }

jbool Integer::equals(Ref self, Ref obj) {
  return instanceof <Integer>(obj) && f(obj).value == f(self).value;
}

}  // namespace java::lang
