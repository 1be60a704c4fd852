// java/lang/String
#include "java/lang/String.h"

#include <cstring>

#include "java/lang/StringIndexOutOfBoundsException.h"

namespace java::lang {

ClassDecl String::klass = {
    .name = "java/lang/String",
    .super = &Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(value)},
    .defaultCtor = &String::init,
    .ctor1 = reinterpret_cast<void*>(static_cast<void (*)(Ref, Ref)>(&String::init)),
    .methods = {impl(Object::m_hashCode, &String::hashCode), impl(Object::m_equals, &String::equals),
                impl(Object::m_toString, &String::toString)},
};

static const jchar* chars_of(Ref s) {
  return elements<jchar>(String::f(s).value) + String::f(s).offset;
}

void String::init(Ref self) {
  Object::init(self);
  f(self).value = new_char_array(0);
}

void String::init(Ref self, Ref chars) { init(self, chars, 0, alen(chars)); }

// Range errors name the offending index: offset, count, or offset + count.
void String::init(Ref self, Ref chars, jint offset, jint count) {
  Object::init(self);
  jint n = alen(chars);
  if (offset < 0) jthrow(jnew<StringIndexOutOfBoundsException>(offset));
  if (count < 0) jthrow(jnew<StringIndexOutOfBoundsException>(count));
  if (offset > n - count)  // no overflow: n >= 0 and count >= 0
    jthrow(jnew<StringIndexOutOfBoundsException>(static_cast<jint>(
        static_cast<uint32_t>(offset) + static_cast<uint32_t>(count))));
  Ref volatile copy = new_char_array(count);
  memcpy(elements<jchar>(copy), elements<jchar>(chars) + offset, sizeof(jchar) * count);
  f(self).value = copy;
  f(self).offset = 0;
  f(self).count = count;
}

jint String::length(Ref self) { return f(nn(self)).count; }

jchar String::charAt(Ref self, jint index) {
  if (index < 0 || index >= f(nn(self)).count)
    jthrow(jnew<StringIndexOutOfBoundsException>(index));
  return chars_of(self)[index];
}

jint String::hashCode(Ref self) {
  uint32_t h = 0;
  const jchar* c = chars_of(self);
  for (jint i = 0; i < f(self).count; i++) h = 31 * h + c[i];
  return static_cast<jint>(h);
}

jbool String::equals(Ref self, Ref obj) {
  if (self == obj) return 1;
  if (!instanceof<String>(obj) || f(obj).count != f(self).count) return 0;
  return memcmp(chars_of(self), chars_of(obj), sizeof(jchar) * f(self).count) == 0;
}

Ref String::toString(Ref self) { return self; }

Ref String::valueOf(Ref obj) { return obj ? vcall(Object::m_toString, obj) : lit("null"); }

}  // namespace java::lang

using java::lang::String;

std::string jstring_bytes(Ref s) {
  std::string out;
  if (!s || !String::f(s).value) return out;
  const jchar* c = java::lang::chars_of(s);
  out.reserve(String::f(s).count);
  for (jint i = 0; i < String::f(s).count; i++) out.push_back(static_cast<char>(c[i] & 0xff));
  return out;
}

Ref jconcat(std::initializer_list<Ref> parts) {
  int64_t total = 0;
  for (Ref p : parts) total += p ? String::f(p).count : 4;
  if (total > INT32_MAX) rt_fatal("Out of memory.");
  Ref volatile chars = new_char_array(static_cast<jint>(total));
  jchar* dst = elements<jchar>(chars);
  for (Ref p : parts) {
    if (!p) {
      for (char c : {'n', 'u', 'l', 'l'}) *dst++ = static_cast<jchar>(c);
      continue;
    }
    memcpy(dst, java::lang::chars_of(p), sizeof(jchar) * String::f(p).count);
    dst += String::f(p).count;
  }
  Ref volatile s = rt_new_object(String::klass.index);
  String::f(s).value = chars;
  String::f(s).count = static_cast<jint>(total);
  return s;
}
