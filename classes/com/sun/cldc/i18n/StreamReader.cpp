// com/sun/cldc/i18n/StreamReader
#include "com/sun/cldc/i18n/StreamReader.h"

#include "java/io/InputStream.h"

namespace com::sun::cldc::i18n {

using java::io::Reader;

ClassDecl StreamReader::klass = {
    .name = "com/sun/cldc/i18n/StreamReader",
    .super = &Reader::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(in)},
    .methods = {impl(Reader::m_ready, &StreamReader::ready),
                impl(Reader::m_close, &StreamReader::close), impl(m_open, &StreamReader::open),
                abstract_method(m_sizeOf)},
    .uses = {&java::io::InputStream::klass, &java::io::Reader::klass},
};

void StreamReader::init(Ref self) { Reader::init(self); }

Ref StreamReader::open(Ref self, Ref is, Ref) {
  f(self).in = is;
  return self;
}

jbool StreamReader::ready(Ref self) {
  return vcall(java::io::InputStream::m_available, f(self).in) > 0;
}

void StreamReader::close(Ref self) { vcall(java::io::InputStream::m_close, f(self).in); }

}  // namespace com::sun::cldc::i18n
