// java/io/ByteArrayInputStream
#include "java/io/ByteArrayInputStream.h"

#include <cstring>

namespace java::io {

ClassDecl ByteArrayInputStream::klass = {
    .name = "java/io/ByteArrayInputStream",
    .super = &InputStream::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(buf)},
    .methods = {impl(InputStream::m_read, &ByteArrayInputStream::read),
                impl(InputStream::m_readArray, &ByteArrayInputStream::read),
                impl(InputStream::m_skip, &ByteArrayInputStream::skip),
                impl(InputStream::m_available, &ByteArrayInputStream::available),
                impl(InputStream::m_close, &ByteArrayInputStream::close),
                impl(m_markSupported, &ByteArrayInputStream::markSupported),
                impl(m_mark, &ByteArrayInputStream::mark),
                impl(m_reset, &ByteArrayInputStream::reset)},
    .uses = {&java::io::InputStream::klass},
};

void ByteArrayInputStream::init(Ref self, Ref buf) {
  InputStream::init(self);
  f(self).buf = buf;
  f(self).pos = 0;
  f(self).mark = 0;
  f(self).count = alen(buf);
}

// count is the smaller of offset + length and the array length, found without overflow.
void ByteArrayInputStream::init(Ref self, Ref buf, jint offset, jint length) {
  InputStream::init(self);
  f(self).buf = buf;
  f(self).pos = offset;
  int64_t end = static_cast<int64_t>(offset) + length;
  f(self).count = end < alen(buf) ? static_cast<jint>(end) : alen(buf);
  f(self).mark = offset;
}

jint ByteArrayInputStream::read(Ref self) {
  if (f(self).pos < f(self).count) return rt_array_load8(f(self).buf, f(self).pos++) & 0xff;
  return -1;
}

jint ByteArrayInputStream::read(Ref self, Ref b, jint off, jint len) {
  check_bounds(b, off, len);
  if (f(self).pos >= f(self).count) return -1;
  int64_t left = static_cast<int64_t>(f(self).count) - f(self).pos;
  if (len > left) len = static_cast<jint>(left);
  if (len <= 0) return 0;
  if (f(self).pos < 0) rt_throw_error(ERR_ARRAY_INDEX_OUT_OF_BOUNDS);  // a negative offset given
  memmove(elements<jbyte>(b) + off, elements<jbyte>(f(self).buf) + f(self).pos, len);
  f(self).pos += len;
  return len;
}

jlong ByteArrayInputStream::skip(Ref self, jlong n) {
  jlong left = static_cast<jlong>(f(self).count) - f(self).pos;
  if (n > left) n = left;
  if (n < 0) return 0;
  f(self).pos += static_cast<jint>(n);
  return n;
}

jint ByteArrayInputStream::available(Ref self) {
  int64_t left = static_cast<int64_t>(f(self).count) - f(self).pos;
  return left > INT32_MAX ? INT32_MAX : static_cast<jint>(left);
}

jbool ByteArrayInputStream::markSupported(Ref) { return 1; }

void ByteArrayInputStream::mark(Ref self, jint) { f(self).mark = f(self).pos; }

void ByteArrayInputStream::reset(Ref self) { f(self).pos = f(self).mark; }

void ByteArrayInputStream::close(Ref) {}

}  // namespace java::io
