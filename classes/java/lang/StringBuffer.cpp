// java/lang/StringBuffer
#include "java/lang/StringBuffer.h"

#include <climits>
#include <cstring>

#include "java/lang/String.h"
#include "java/lang/StringIndexOutOfBoundsException.h"
#include "java/lang/System.h"

namespace java::lang {

ClassDecl StringBuffer::klass = {
    .name = "java/lang/StringBuffer",
    .super = &Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(value)},
    .defaultCtor = &StringBuffer::init,
    .methods = {impl(Object::m_toString, &StringBuffer::toString)},
    .uses = {&java::lang::String::klass, &java::lang::StringIndexOutOfBoundsException::klass,
             &java::lang::System::klass},
};

static jchar* chars(Ref self) { return elements<jchar>(StringBuffer::f(self).value); }

// Growth: (old capacity + 1) x 2, 2147483647 past the int range, at least the minimum.
// The chars move to a new array, so a String sharing the old one is left as it was.
static void expandCapacity(Ref self, jint minimumCapacity) {
  Ref volatile keep = self;
  int64_t grown = (static_cast<int64_t>(alen(StringBuffer::f(self).value)) + 1) * 2;
  jint newCapacity = grown > INT_MAX ? INT_MAX : static_cast<jint>(grown);
  if (minimumCapacity > newCapacity) newCapacity = minimumCapacity;
  Ref volatile newValue = new_char_array(newCapacity);
  System::arraycopy(StringBuffer::f(keep).value, 0, newValue, 0, StringBuffer::f(keep).count);
  StringBuffer::f(keep).value = newValue;
  StringBuffer::f(keep).shared = 0;
}

// Before a char below count changes while a String shares them.
static void unshare(Ref self) {
  if (StringBuffer::f(self).shared) {
    Ref volatile keep = self;
    Ref volatile newValue = new_char_array(alen(StringBuffer::f(self).value));
    System::arraycopy(StringBuffer::f(keep).value, 0, newValue, 0, StringBuffer::f(keep).count);
    StringBuffer::f(keep).value = newValue;
    StringBuffer::f(keep).shared = 0;
  }
}

// Room for n more chars, tested without overflow.
static void reserve(Ref self, jint n) {
  if (n > INT_MAX - StringBuffer::f(self).count) rt_fatal("Out of memory.");
  jint needed = StringBuffer::f(self).count + n;
  if (needed > alen(StringBuffer::f(self).value)) expandCapacity(self, needed);
}

void StringBuffer::init(Ref self) { init(self, 16); }

void StringBuffer::init(Ref self, jint length) {
  Object::init(self);
  f(self).value = new_char_array(length);
  f(self).shared = 0;
}

void StringBuffer::init(Ref self, Ref str) {
  init(self, String::length(str) + 16);
  appendString(self, str);
}

jint StringBuffer::length(Ref self) { return f(nn(self)).count; }

jint StringBuffer::capacity(Ref self) { return alen(f(nn(self)).value); }

void StringBuffer::ensureCapacity(Ref self, jint minimumCapacity) {
  if (minimumCapacity > alen(f(nn(self)).value)) expandCapacity(self, minimumCapacity);
}

// Shortening copies a shared array first, so later appends cannot reach a String's chars.
void StringBuffer::setLength(Ref self, jint newLength) {
  if (newLength < 0) jthrow(jnew<StringIndexOutOfBoundsException>(newLength));
  if (newLength > alen(f(nn(self)).value)) expandCapacity(self, newLength);
  unshare(self);
  if (f(self).count < newLength)
    memset(chars(self) + f(self).count, 0, sizeof(jchar) * (newLength - f(self).count));
  f(self).count = newLength;
}

jchar StringBuffer::charAt(Ref self, jint index) {
  if (index < 0 || index >= f(nn(self)).count) jthrow(jnew<StringIndexOutOfBoundsException>(index));
  return chars(self)[index];
}

void StringBuffer::getChars(Ref self, jint srcBegin, jint srcEnd, Ref dst, jint dstBegin) {
  if (srcBegin < 0) jthrow(jnew<StringIndexOutOfBoundsException>(srcBegin));
  if (srcEnd < 0 || srcEnd > f(nn(self)).count)
    jthrow(jnew<StringIndexOutOfBoundsException>(srcEnd));
  if (srcBegin > srcEnd) jthrow(jnew<StringIndexOutOfBoundsException>(lit("srcBegin > srcEnd")));
  // The copy skips its checks for an empty range; the destination is checked all the same.
  if (!in_range(alen(nn(dst)), dstBegin, srcEnd - srcBegin))
    rt_throw_error(ERR_ARRAY_INDEX_OUT_OF_BOUNDS);
  System::arraycopy(f(self).value, srcBegin, dst, dstBegin, srcEnd - srcBegin);
}

void StringBuffer::setCharAt(Ref self, jint index, jchar ch) {
  if (index < 0 || index >= f(nn(self)).count) jthrow(jnew<StringIndexOutOfBoundsException>(index));
  unshare(self);
  chars(self)[index] = ch;
}

Ref StringBuffer::append(Ref self, Ref obj) { return appendString(self, String::valueOf(obj)); }

Ref StringBuffer::appendString(Ref self, Ref str) {
  Ref volatile s = str ? str : lit("null");
  jint len = String::length(s);
  reserve(nn(self), len);
  String::getChars(s, 0, len, f(self).value, f(self).count);
  f(self).count += len;
  return self;
}

Ref StringBuffer::appendChars(Ref self, Ref str) { return appendChars(self, str, 0, alen(str)); }

Ref StringBuffer::appendChars(Ref self, Ref str, jint offset, jint len) {
  if (!in_range(alen(str), offset, len)) rt_throw_error(ERR_ARRAY_INDEX_OUT_OF_BOUNDS);
  reserve(nn(self), len);
  System::arraycopy(str, offset, f(self).value, f(self).count, len);
  f(self).count += len;
  return self;
}

Ref StringBuffer::appendBoolean(Ref self, jbool b) {
  return appendString(self, String::valueOfBoolean(b));
}

Ref StringBuffer::appendChar(Ref self, jchar c) {
  reserve(nn(self), 1);
  chars(self)[f(self).count++] = c;
  return self;
}

Ref StringBuffer::append(Ref self, jint i) { return appendString(self, String::valueOf(i)); }

Ref StringBuffer::append(Ref self, jlong l) { return appendString(self, String::valueOf(l)); }

Ref StringBuffer::deleteChars(Ref self, jint start, jint end) {
  if (end > f(nn(self)).count) end = f(self).count;
  if (start < 0 || start > end) jthrow(jnew<StringIndexOutOfBoundsException>(start));
  jint len = end - start;
  if (len > 0) {
    unshare(self);
    System::arraycopy(f(self).value, start + len, f(self).value, start, f(self).count - end);
    f(self).count -= len;
  }
  return self;
}

Ref StringBuffer::deleteCharAt(Ref self, jint index) {
  if (index < 0 || index >= f(nn(self)).count) jthrow(jnew<StringIndexOutOfBoundsException>(index));
  return deleteChars(self, index, index + 1);
}

Ref StringBuffer::insert(Ref self, jint offset, Ref obj) {
  return insertString(self, offset, String::valueOf(obj));
}

Ref StringBuffer::insertString(Ref self, jint offset, Ref str) {
  if (offset < 0 || offset > f(nn(self)).count)
    jthrow(jnew<StringIndexOutOfBoundsException>(offset));
  Ref volatile s = str ? str : lit("null");
  jint len = String::length(s);
  reserve(self, len);
  unshare(self);
  System::arraycopy(f(self).value, offset, f(self).value, offset + len, f(self).count - offset);
  String::getChars(s, 0, len, f(self).value, offset);
  f(self).count += len;
  return self;
}

Ref StringBuffer::insertChars(Ref self, jint offset, Ref str) {
  return insertString(self, offset, String::valueOfChars(str));
}

Ref StringBuffer::insertBoolean(Ref self, jint offset, jbool b) {
  return insertString(self, offset, String::valueOfBoolean(b));
}

Ref StringBuffer::insertChar(Ref self, jint offset, jchar c) {
  return insertString(self, offset, String::valueOfChar(c));
}

Ref StringBuffer::insert(Ref self, jint offset, jint i) {
  return insertString(self, offset, String::valueOf(i));
}

Ref StringBuffer::insert(Ref self, jint offset, jlong l) {
  return insertString(self, offset, String::valueOf(l));
}

Ref StringBuffer::reverse(Ref self) {
  unshare(nn(self));
  jchar* c = chars(self);
  for (jint i = 0, j = f(self).count - 1; i < j; i++, j--) {
    jchar t = c[i];
    c[i] = c[j];
    c[j] = t;
  }
  return self;
}

Ref StringBuffer::toString(Ref self) { return jnew_by<String>(&String::initBuffer, self); }

}  // namespace java::lang
