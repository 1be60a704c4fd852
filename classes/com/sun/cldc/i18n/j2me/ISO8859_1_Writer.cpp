// com/sun/cldc/i18n/j2me/ISO8859_1_Writer
#include "com/sun/cldc/i18n/j2me/ISO8859_1_Writer.h"

#include "java/io/OutputStream.h"
#include "java/lang/String.h"

namespace com::sun::cldc::i18n::j2me {

using java::io::Writer;

ClassDecl ISO8859_1_Writer::klass = {
    .name = "com/sun/cldc/i18n/j2me/ISO8859_1_Writer",
    .super = &StreamWriter::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = &ISO8859_1_Writer::init,
    .methods = {impl(Writer::m_write, &ISO8859_1_Writer::write),
                impl(Writer::m_writeChars, &ISO8859_1_Writer::write),
                impl(Writer::m_writeSub, &ISO8859_1_Writer::writeString),
                impl(StreamWriter::m_sizeOf, &ISO8859_1_Writer::sizeOf)},
    .uses = {&com::sun::cldc::i18n::StreamWriter::klass, &java::io::OutputStream::klass,
             &java::lang::String::klass},
};

void ISO8859_1_Writer::init(Ref self) { StreamWriter::init(self); }

// Latin-1: one byte per char; chars above 255 have no byte and become '?'.
void ISO8859_1_Writer::write(Ref self, jint c) {
  if (c > 255) c = 0x3f;
  vcall(java::io::OutputStream::m_write, StreamWriter::f(self).out, c);
}

void ISO8859_1_Writer::write(Ref self, Ref cbuf, jint off, jint len) {
  Ref volatile keep = cbuf;
  check_bounds(cbuf, off, len);
  for (jint i = 0; i < len; i++) write(self, rt_array_load16u(keep, off + i));
}

void ISO8859_1_Writer::writeString(Ref self, Ref str, jint off, jint len) {
  Ref volatile keep = str;
  if (!in_range(java::lang::String::length(str), off, len)) rt_throw_error(ERR_INDEX_OUT_OF_BOUNDS);
  for (jint i = 0; i < len; i++) write(self, java::lang::String::charAt(keep, off + i));
}

jint ISO8859_1_Writer::sizeOf(Ref, Ref, jint, jint len) { return len; }

}  // namespace com::sun::cldc::i18n::j2me
