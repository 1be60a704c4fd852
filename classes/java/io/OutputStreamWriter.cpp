// java/io/OutputStreamWriter
#include "java/io/OutputStreamWriter.h"

#include "com/sun/cldc/i18n/Helper.h"
#include "java/io/IOException.h"
#include "java/lang/String.h"

namespace java::io {

using com::sun::cldc::i18n::Helper;

ClassDecl OutputStreamWriter::klass = {
    .name = "java/io/OutputStreamWriter",
    .super = &Writer::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(out)},
    .methods = {impl(Writer::m_write, &OutputStreamWriter::write),
                impl(Writer::m_writeChars, &OutputStreamWriter::write),
                impl(Writer::m_writeSub, &OutputStreamWriter::writeString),
                impl(Writer::m_flush, &OutputStreamWriter::flush),
                impl(Writer::m_close, &OutputStreamWriter::close)},
    .uses = {&com::sun::cldc::i18n::Helper::klass, &java::io::IOException::klass,
             &java::io::Writer::klass, &java::lang::String::klass},
};

void OutputStreamWriter::init(Ref self, Ref os) {
  Writer::init(self);
  f(self).out = Helper::getStreamWriter(os);
}

void OutputStreamWriter::init(Ref self, Ref os, Ref enc) {
  Writer::init(self);
  f(self).out = Helper::getStreamWriter(os, enc);
}

static void ensureOpen(Ref self) {
  if (!OutputStreamWriter::f(self).out) jthrow(jnew<IOException>(lit("Stream closed")));
}

void OutputStreamWriter::write(Ref self, jint c) {
  ensureOpen(self);
  vcall(Writer::m_write, f(self).out, c);
}

void OutputStreamWriter::write(Ref self, Ref cbuf, jint off, jint len) {
  ensureOpen(self);
  check_bounds(cbuf, off, len);
  if (len == 0) return;
  vcall(Writer::m_writeChars, f(self).out, cbuf, off, len);
}

void OutputStreamWriter::writeString(Ref self, Ref str, jint off, jint len) {
  ensureOpen(self);
  if (!in_range(java::lang::String::length(str), off, len)) rt_throw_error(ERR_INDEX_OUT_OF_BOUNDS);
  if (len == 0) return;
  vcall(Writer::m_writeSub, f(self).out, str, off, len);
}

void OutputStreamWriter::flush(Ref self) {
  ensureOpen(self);
  vcall(Writer::m_flush, f(self).out);
}

void OutputStreamWriter::close(Ref self) {
  if (f(self).out) {
    vcall(Writer::m_close, f(self).out);
    f(self).out = nullptr;
  }
}

}  // namespace java::io
