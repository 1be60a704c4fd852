// java/io/OutputStream
#include "java/io/OutputStream.h"

namespace java::io {

ClassDecl OutputStream::klass = {
    .name = "java/io/OutputStream",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .methods = {abstract_method(m_write), impl(m_writeArray, &OutputStream::write),
                impl(m_flush, &OutputStream::flush), impl(m_close, &OutputStream::close)},
};

void OutputStream::init(Ref self) { java::lang::Object::init(self); }

void OutputStream::write(Ref self, Ref b) { vcall(m_writeArray, self, b, 0, alen(b)); }

void OutputStream::write(Ref self, Ref b, jint off, jint len) {
  Ref volatile keep = b;
  check_bounds(b, off, len);
  for (jint i = 0; i < len; i++) vcall(m_write, self, rt_array_load8(keep, off + i));
}

void OutputStream::flush(Ref) {}

void OutputStream::close(Ref) {}

}  // namespace java::io
