// java/io/InputStream
#include "java/io/InputStream.h"

namespace java::io {

ClassDecl InputStream::klass = {
    .name = "java/io/InputStream",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .methods = {abstract_method(m_read), impl(m_readArray, &InputStream::read),
                impl(m_skip, &InputStream::skip), impl(m_available, &InputStream::available),
                impl(m_close, &InputStream::close)},
};

void InputStream::init(Ref self) { java::lang::Object::init(self); }

jint InputStream::read(Ref self, Ref b) { return vcall(m_readArray, self, b, 0, alen(b)); }

// Byte by byte until len bytes or the end of the stream.
jint InputStream::read(Ref self, Ref b, jint off, jint len) {
  Ref volatile keep = b;
  check_bounds(b, off, len);
  if (len == 0) return 0;
  jint c = vcall(m_read, self);
  if (c == -1) return -1;
  rt_array_store8(keep, off, c);
  jint i = 1;
  for (; i < len; i++) {
    c = vcall(m_read, self);
    if (c == -1) break;
    rt_array_store8(keep, off + i, c);
  }
  return i;
}

jlong InputStream::skip(Ref self, jlong n) {
  jlong m = 0;
  while (m < n && vcall(m_read, self) >= 0) m++;
  return m;
}

jint InputStream::available(Ref) { return 0; }

void InputStream::close(Ref) {}

}  // namespace java::io
