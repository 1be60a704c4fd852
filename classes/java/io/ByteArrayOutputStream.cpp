// java/io/ByteArrayOutputStream
#include "java/io/ByteArrayOutputStream.h"

#include <cstring>

#include "java/lang/IllegalArgumentException.h"
#include "java/lang/Integer.h"
#include "java/lang/RuntimeException.h"
#include "java/lang/String.h"
#include "java/lang/System.h"

namespace java::io {

using java::lang::System;

ClassDecl ByteArrayOutputStream::klass = {
    .name = "java/io/ByteArrayOutputStream",
    .super = &OutputStream::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(buf)},
    .defaultCtor = &ByteArrayOutputStream::init,
    .methods = {impl(OutputStream::m_write, &ByteArrayOutputStream::write),
                impl(OutputStream::m_writeArray, &ByteArrayOutputStream::write),
                impl(OutputStream::m_close, &ByteArrayOutputStream::close),
                impl(java::lang::Object::m_toString, &ByteArrayOutputStream::toString),
                impl(m_toByteArray, &ByteArrayOutputStream::toByteArray),
                impl(m_size, &ByteArrayOutputStream::size),
                impl(m_reset, &ByteArrayOutputStream::reset)},
    .uses = {&java::io::OutputStream::klass, &java::lang::IllegalArgumentException::klass,
             &java::lang::Integer::klass, &java::lang::RuntimeException::klass,
             &java::lang::String::klass, &java::lang::System::klass},
    .reaches = {&java::lang::String::byteConversions},
};

static void ensureOpen(Ref self) {
  if (ByteArrayOutputStream::f(self).isClosed)
    jthrow(jnew<java::lang::RuntimeException>(lit("Writing to closed ByteArrayOutputStream")));
}

// Room for n more bytes: the larger of twice the length and what is needed.
static void grow(Ref self, jint n) {
  auto& s = ByteArrayOutputStream::f(self);
  int64_t needed = static_cast<int64_t>(s.count) + n;
  if (needed <= alen(s.buf)) return;
  if (needed > INT32_MAX) rt_fatal("Out of memory.");
  int64_t twice = 2 * static_cast<int64_t>(alen(s.buf));
  jint newLength =
      static_cast<jint>(twice > needed ? (twice > INT32_MAX ? INT32_MAX : twice) : needed);
  Ref volatile keep = self;
  Ref volatile newBuf = new_byte_array(newLength);
  System::arraycopy(ByteArrayOutputStream::f(keep).buf, 0, newBuf, 0,
                    ByteArrayOutputStream::f(keep).count);
  ByteArrayOutputStream::f(keep).buf = newBuf;
}

void ByteArrayOutputStream::init(Ref self) { init(self, 32); }

void ByteArrayOutputStream::init(Ref self, jint size) {
  OutputStream::init(self);
  if (size < 0)
    jthrow(jnew<java::lang::IllegalArgumentException>(
        jconcat({lit("Negative initial size: "), java::lang::Integer::toString(size)})));
  f(self).buf = new_byte_array(size);
  f(self).isClosed = 0;
}

void ByteArrayOutputStream::write(Ref self, jint b) {
  ensureOpen(self);
  grow(self, 1);
  elements<jbyte>(f(self).buf)[f(self).count] = static_cast<jbyte>(b);
  f(self).count += 1;
}

void ByteArrayOutputStream::write(Ref self, Ref b, jint off, jint len) {
  ensureOpen(self);
  check_bounds(b, off, len);
  if (len == 0) return;
  Ref volatile keep = b;
  grow(self, len);
  memcpy(elements<jbyte>(f(self).buf) + f(self).count, elements<jbyte>(keep) + off, len);
  f(self).count += len;
}

void ByteArrayOutputStream::reset(Ref self) { f(self).count = 0; }

// A closed stream whose buffer is exactly full hands out the buffer itself.
Ref ByteArrayOutputStream::toByteArray(Ref self) {
  if (f(self).isClosed && alen(f(self).buf) == f(self).count) return f(self).buf;
  Ref volatile keep = self;
  Ref copy = new_byte_array(f(self).count);
  memcpy(elements<jbyte>(copy), elements<jbyte>(f(keep).buf), f(keep).count);
  return copy;
}

jint ByteArrayOutputStream::size(Ref self) { return f(self).count; }

Ref ByteArrayOutputStream::toString(Ref self) {
  Ref volatile bytes = toByteArray(self);
  return jnew_by<java::lang::String>(
      static_cast<void (*)(Ref, Ref)>(&java::lang::String::initBytes), bytes);
}

void ByteArrayOutputStream::close(Ref self) { f(self).isClosed = 1; }

}  // namespace java::io
