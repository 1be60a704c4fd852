// com/sun/cldc/i18n/StreamWriter
#include "com/sun/cldc/i18n/StreamWriter.h"

#include "java/io/OutputStream.h"

namespace com::sun::cldc::i18n {

using java::io::Writer;

ClassDecl StreamWriter::klass = {
    .name = "com/sun/cldc/i18n/StreamWriter",
    .super = &Writer::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(out)},
    .methods = {impl(Writer::m_flush, &StreamWriter::flush),
                impl(Writer::m_close, &StreamWriter::close), impl(m_open, &StreamWriter::open),
                abstract_method(m_sizeOf)},
    .uses = {&java::io::OutputStream::klass, &java::io::Writer::klass},
};

void StreamWriter::init(Ref self) { Writer::init(self); }

Ref StreamWriter::open(Ref self, Ref os, Ref) {
  f(self).out = os;
  return self;
}

void StreamWriter::flush(Ref self) { vcall(java::io::OutputStream::m_flush, f(self).out); }

void StreamWriter::close(Ref self) { vcall(java::io::OutputStream::m_close, f(self).out); }

}  // namespace com::sun::cldc::i18n
