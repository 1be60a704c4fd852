// java/lang/String
#include "java/lang/String.h"

#include <cstring>

#include "com/sun/cldc/i18n/Helper.h"
#include "java/lang/Character.h"
#include "java/lang/Integer.h"
#include "java/lang/Long.h"
#include "java/lang/StringBuffer.h"
#include "java/lang/StringIndexOutOfBoundsException.h"

namespace java::lang {

using com::sun::cldc::i18n::Helper;

ClassDecl String::klass = {
    .name = "java/lang/String",
    .super = &Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(value)},
    .defaultCtor = &String::init,
    .ctor1 = reinterpret_cast<void*>(static_cast<void (*)(Ref, Ref)>(&String::init)),
    .methods = {impl(Object::m_hashCode, &String::hashCode),
                impl(Object::m_equals, &String::equals),
                impl(Object::m_toString, &String::toString)},
    .uses = {&StringBuffer::klass, &StringIndexOutOfBoundsException::klass, &Character::klass,
             &Integer::klass},
};

Operations String::byteConversions = {.name = "java/lang/String byte conversions",
                                      .operations = {&Helper::conversions}};
Operations String::longText = {.name = "java/lang/String.valueOf(long)", .classes = {&Long::klass}};

static const jchar* chars_of(Ref s) {
  return elements<jchar>(String::f(s).value) + String::f(s).offset;
}

[[noreturn]] static void out_of_range(jint index) {
  jthrow(jnew<StringIndexOutOfBoundsException>(index));
}

// Range errors name the offending index: offset, count, or offset + count (wrapped as
// the language adds ints; the test itself cannot overflow).
static void check_range(jint n, jint offset, jint count) {
  if (offset < 0) out_of_range(offset);
  if (count < 0) out_of_range(count);
  if (offset > n - count)
    out_of_range(static_cast<jint>(static_cast<uint32_t>(offset) + static_cast<uint32_t>(count)));
}

Ref String::shared(Ref value, jint offset, jint count) {
  Ref volatile keep = value;
  Ref s = rt_new_object(klass.index);
  f(s).value = keep;
  f(s).offset = offset;
  f(s).count = count;
  return s;
}

void String::init(Ref self) {
  Object::init(self);
  f(self).value = new_char_array(0);
}

void String::init(Ref self, Ref chars) { init(self, chars, 0, alen(chars)); }

void String::init(Ref self, Ref chars, jint offset, jint count) {
  Object::init(self);
  check_range(alen(chars), offset, count);
  Ref volatile keep = chars;
  Ref volatile copy = new_char_array(count);
  memcpy(elements<jchar>(copy), elements<jchar>(keep) + offset, sizeof(jchar) * count);
  f(self).value = copy;
  f(self).offset = 0;
  f(self).count = count;
}

// The byte forms decode through the named (or default) encoding.
void String::initBytes(Ref self, Ref bytes, jint off, jint len, Ref enc) {
  Object::init(self);
  check_range(alen(bytes), off, len);
  if (!enc) rt_throw_error(ERR_NULL_POINTER);
  Ref volatile chars = Helper::byteToCharArray(bytes, off, len, enc);
  f(self).value = chars;
  f(self).offset = 0;
  f(self).count = alen(chars);
}

void String::initBytes(Ref self, Ref bytes, Ref enc) {
  initBytes(self, bytes, 0, alen(bytes), enc);
}

void String::initBytes(Ref self, Ref bytes, jint off, jint len) {
  Object::init(self);
  check_range(alen(bytes), off, len);
  Ref volatile chars = Helper::byteToCharArray(bytes, off, len);
  f(self).value = chars;
  f(self).offset = 0;
  f(self).count = alen(chars);
}

void String::initBytes(Ref self, Ref bytes) { initBytes(self, bytes, 0, alen(bytes)); }

// Shares the buffer's chars; the buffer copies before it next changes one of them.
void String::initBuffer(Ref self, Ref buffer) {
  Object::init(self);
  auto& b = StringBuffer::f(nn(buffer));
  b.shared = 1;
  f(self).value = b.value;
  f(self).offset = 0;
  f(self).count = b.count;
}

jint String::length(Ref self) { return f(nn(self)).count; }

jchar String::charAt(Ref self, jint index) {
  if (index < 0 || index >= f(nn(self)).count) out_of_range(index);
  return chars_of(self)[index];
}

void String::getChars(Ref self, jint srcBegin, jint srcEnd, Ref dst, jint dstBegin) {
  if (srcBegin < 0) out_of_range(srcBegin);
  if (srcEnd > f(nn(self)).count) out_of_range(srcEnd);
  if (srcBegin > srcEnd) out_of_range(srcEnd - srcBegin);
  jint n = srcEnd - srcBegin;
  if (!in_range(alen(dst), dstBegin, n)) out_of_range(dstBegin < 0 ? dstBegin : dstBegin + n);
  memmove(elements<jchar>(dst) + dstBegin, chars_of(self) + srcBegin, sizeof(jchar) * n);
}

Ref String::getBytes(Ref self, Ref enc) {
  if (!enc) rt_throw_error(ERR_NULL_POINTER);
  return Helper::charToByteArray(f(nn(self)).value, f(self).offset, f(self).count, enc);
}

Ref String::getBytes(Ref self) {
  return Helper::charToByteArray(f(nn(self)).value, f(self).offset, f(self).count);
}

jbool String::equals(Ref self, Ref obj) {
  if (self == obj) return 1;
  if (! instanceof <String>(obj) || f(obj).count != f(self).count) return 0;
  return memcmp(chars_of(self), chars_of(obj), sizeof(jchar) * f(self).count) == 0;
}

jint String::compareTo(Ref self, Ref other) {
  jint n1 = f(nn(self)).count, n2 = f(nn(other)).count;
  const jchar *a = chars_of(self), *b = chars_of(other);
  for (jint i = 0; i < n1 && i < n2; i++)
    if (a[i] != b[i]) return a[i] - b[i];
  return n1 - n2;
}

jbool String::regionMatches(Ref self, jbool ignoreCase, jint toffset, Ref other, jint ooffset,
                            jint len) {
  nn(other);
  // 64-bit: a negative length must not wrap the end test.
  if (toffset < 0 || ooffset < 0 || toffset > jlong{f(nn(self)).count} - len ||
      ooffset > jlong{f(other).count} - len)
    return 0;
  const jchar *a = chars_of(self) + toffset, *b = chars_of(other) + ooffset;
  for (jint i = 0; i < len; i++) {
    jchar c1 = a[i], c2 = b[i];
    if (c1 == c2) continue;
    if (ignoreCase && (Character::toUpperCase(c1) == Character::toUpperCase(c2) ||
                       Character::toLowerCase(c1) == Character::toLowerCase(c2)))
      continue;
    return 0;
  }
  return 1;
}

jbool String::startsWith(Ref self, Ref prefix, jint toffset) {
  jint n = f(nn(prefix)).count;
  if (!in_range(f(nn(self)).count, toffset, n)) return 0;
  return memcmp(chars_of(self) + toffset, chars_of(prefix), sizeof(jchar) * n) == 0;
}

jbool String::startsWith(Ref self, Ref prefix) { return startsWith(self, prefix, 0); }

jbool String::endsWith(Ref self, Ref suffix) {
  return startsWith(self, suffix, f(nn(self)).count - f(nn(suffix)).count);
}

jint String::hashCode(Ref self) {
  uint32_t h = 0;
  const jchar* c = chars_of(self);
  for (jint i = 0; i < f(self).count; i++) h = 31 * h + c[i];
  return static_cast<jint>(h);
}

jint String::indexOf(Ref self, jint ch) { return indexOf(self, ch, 0); }

jint String::indexOf(Ref self, jint ch, jint fromIndex) {
  const jchar* c = chars_of(nn(self));
  for (jint i = fromIndex < 0 ? 0 : fromIndex; i < f(self).count; i++)
    if (c[i] == ch) return i;
  return -1;
}

jint String::lastIndexOf(Ref self, jint ch) { return lastIndexOf(self, ch, f(nn(self)).count - 1); }

jint String::lastIndexOf(Ref self, jint ch, jint fromIndex) {
  const jchar* c = chars_of(nn(self));
  for (jint i = fromIndex >= f(self).count ? f(self).count - 1 : fromIndex; i >= 0; i--)
    if (c[i] == ch) return i;
  return -1;
}

jint String::indexOf(Ref self, Ref str) { return indexOf(self, str, 0); }

jint String::indexOf(Ref self, Ref str, jint fromIndex) {
  jint n = f(nn(self)).count, m = f(nn(str)).count;
  if (fromIndex >= n) return m == 0 ? n : -1;
  if (fromIndex < 0) fromIndex = 0;
  for (jint i = fromIndex; i <= n - m; i++)
    if (memcmp(chars_of(self) + i, chars_of(str), sizeof(jchar) * m) == 0) return i;
  return -1;
}

Ref String::substring(Ref self, jint beginIndex) {
  return substring(self, beginIndex, f(nn(self)).count);
}

// Shares the receiver's chars: strings never change.
Ref String::substring(Ref self, jint beginIndex, jint endIndex) {
  if (beginIndex < 0) out_of_range(beginIndex);
  if (endIndex > f(nn(self)).count) out_of_range(endIndex);
  if (beginIndex > endIndex) out_of_range(endIndex - beginIndex);
  if (beginIndex == 0 && endIndex == f(self).count) return self;
  return shared(f(self).value, f(self).offset + beginIndex, endIndex - beginIndex);
}

Ref String::concat(Ref self, Ref str) {
  if (f(nn(str)).count == 0) return nn(self);
  return jconcat({nn(self), str});
}

Ref String::replace(Ref self, jchar oldChar, jchar newChar) {
  if (oldChar == newChar || indexOf(self, oldChar) < 0) return self;
  Ref volatile keep = self;
  Ref volatile copy = toCharArray(keep);
  jchar* c = elements<jchar>(copy);
  for (jint i = 0; i < alen(copy); i++)
    if (c[i] == oldChar) c[i] = newChar;
  return shared(copy, 0, alen(copy));
}

// Case mapping by the case converter's rules.
static Ref mapped(Ref self, jchar (*map)(jchar)) {
  Ref volatile keep = self;
  Ref volatile copy = String::toCharArray(keep);
  jchar* c = elements<jchar>(copy);
  for (jint i = 0; i < alen(copy); i++) c[i] = map(c[i]);
  return String::shared(copy, 0, alen(copy));
}

Ref String::toLowerCase(Ref self) { return mapped(nn(self), &Character::toLowerCase); }
Ref String::toUpperCase(Ref self) { return mapped(nn(self), &Character::toUpperCase); }

Ref String::trim(Ref self) {
  jint begin = 0, end = f(nn(self)).count;
  const jchar* c = chars_of(self);
  while (begin < end && c[begin] <= ' ') begin++;
  while (end > begin && c[end - 1] <= ' ') end--;
  return substring(self, begin, end);
}

Ref String::toString(Ref self) { return self; }

Ref String::toCharArray(Ref self) {
  Ref volatile keep = nn(self);
  Ref copy = new_char_array(f(keep).count);
  memcpy(elements<jchar>(copy), chars_of(keep), sizeof(jchar) * f(keep).count);
  return copy;
}

Ref String::valueOf(Ref obj) { return obj ? vcall(Object::m_toString, obj) : lit("null"); }

Ref String::valueOfChars(Ref data) { return jnew<String>(data); }

Ref String::valueOfChars(Ref data, jint offset, jint count) {
  return jnew<String>(data, offset, count);
}

Ref String::valueOfBoolean(jbool b) { return lit(b ? "true" : "false"); }

Ref String::valueOfChar(jchar c) {
  Ref volatile chars = new_char_array(1);
  elements<jchar>(chars)[0] = c;
  return shared(chars, 0, 1);
}

Ref String::valueOf(jint i) { return Integer::toString(i, 10); }

Ref String::valueOf(jlong l) { return Long::toString(l, 10); }

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
  return String::shared(chars, 0, static_cast<jint>(total));
}
