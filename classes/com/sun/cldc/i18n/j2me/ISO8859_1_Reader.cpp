// com/sun/cldc/i18n/j2me/ISO8859_1_Reader
#include "com/sun/cldc/i18n/j2me/ISO8859_1_Reader.h"

#include "java/io/InputStream.h"

namespace com::sun::cldc::i18n::j2me {

using java::io::InputStream;
using java::io::Reader;

ClassDecl ISO8859_1_Reader::klass = {
    .name = "com/sun/cldc/i18n/j2me/ISO8859_1_Reader",
    .super = &StreamReader::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = &ISO8859_1_Reader::init,
    .methods = {impl(Reader::m_read, &ISO8859_1_Reader::read),
                impl(Reader::m_readChars, &ISO8859_1_Reader::read),
                impl(StreamReader::m_sizeOf, &ISO8859_1_Reader::sizeOf)},
    .uses = {&com::sun::cldc::i18n::StreamReader::klass, &java::io::InputStream::klass},
};

void ISO8859_1_Reader::init(Ref self) { StreamReader::init(self); }

jint ISO8859_1_Reader::read(Ref self) {
  return vcall(InputStream::m_read, StreamReader::f(self).in);
}

// Byte by byte, each the char of the same value.
jint ISO8859_1_Reader::read(Ref self, Ref cbuf, jint off, jint len) {
  Ref volatile keep = cbuf;
  check_bounds(cbuf, off, len);
  jint count = 0;
  while (count < len) {
    jint ch = vcall(InputStream::m_read, StreamReader::f(self).in);
    if (ch == -1) return count == 0 ? -1 : count;
    rt_array_store16(keep, off + count++, ch);
  }
  return count;
}

jint ISO8859_1_Reader::sizeOf(Ref, Ref, jint, jint len) { return len; }

}  // namespace com::sun::cldc::i18n::j2me
