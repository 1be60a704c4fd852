// java/io/Writer
#include "java/io/Writer.h"

#include "java/lang/String.h"

namespace java::io {

using java::lang::String;

ClassDecl Writer::klass = {
    .name = "java/io/Writer",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(writeBuffer), JAVA_REF(lock)},
    .methods = {impl(m_write, &Writer::write), abstract_method(m_writeChars),
                impl(m_writeString, &Writer::writeString), impl(m_writeSub, &Writer::writeString),
                abstract_method(m_flush), abstract_method(m_close)},
    .uses = {&java::lang::String::klass},
};

constexpr jint kWriteBufferSize = 1024;

void Writer::init(Ref self) {
  java::lang::Object::init(self);
  f(self).writeBufferSize = kWriteBufferSize;
  f(self).lock = self;
}

void Writer::write(Ref self, jint c) {
  rt_monitor_enter(f(self).lock);
  if (!f(self).writeBuffer) f(self).writeBuffer = new_char_array(f(self).writeBufferSize);
  elements<jchar>(f(self).writeBuffer)[0] = static_cast<jchar>(c);
  vcall(m_writeChars, self, f(self).writeBuffer, 0, 1);
  rt_monitor_exit(f(self).lock);
}

void Writer::writeChars(Ref self, Ref cbuf) { vcall(m_writeChars, self, cbuf, 0, alen(cbuf)); }

void Writer::writeString(Ref self, Ref str) {
  vcall(m_writeSub, self, str, 0, String::length(str));
}

// The range is tested before anything is made, so a negative or wrapping length fails as
// an index error rather than as an array size or a stray copy.
void Writer::writeString(Ref self, Ref str, jint off, jint len) {
  if (!in_range(String::length(str), off, len)) rt_throw_error(ERR_INDEX_OUT_OF_BOUNDS);
  rt_monitor_enter(f(self).lock);
  Ref volatile cbuf;
  if (len <= f(self).writeBufferSize) {
    if (!f(self).writeBuffer) f(self).writeBuffer = new_char_array(f(self).writeBufferSize);
    cbuf = f(self).writeBuffer;
  } else {
    cbuf = new_char_array(len);
  }
  String::getChars(str, off, off + len, cbuf, 0);
  vcall(m_writeChars, self, cbuf, 0, len);
  rt_monitor_exit(f(self).lock);
}

}  // namespace java::io
