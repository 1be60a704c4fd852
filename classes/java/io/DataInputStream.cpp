// java/io/DataInputStream
#include "java/io/DataInputStream.h"

#include "java/io/DataInput.h"
#include "java/io/EOFException.h"

namespace java::io {

ClassDecl DataInputStream::klass = {
    .name = "java/io/DataInputStream",
    .super = &InputStream::klass,
    .interfaces = {&DataInput::klass},
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(in)},
    .methods = {impl(InputStream::m_read, &DataInputStream::read),
                impl(InputStream::m_readArray, &DataInputStream::read),
                impl(InputStream::m_available, &DataInputStream::available),
                impl(InputStream::m_close, &DataInputStream::close),
                impl(m_readInt, &DataInputStream::readInt)},
    .uses = {&java::io::DataInput::klass, &java::io::EOFException::klass,
             &java::io::InputStream::klass},
};

void DataInputStream::init(Ref self, Ref in) {
  InputStream::init(self);
  f(self).in = in;
}

jint DataInputStream::read(Ref self) { return vcall(InputStream::m_read, f(self).in); }

jint DataInputStream::read(Ref self, Ref b, jint off, jint len) {
  return vcall(InputStream::m_readArray, f(self).in, b, off, len);
}

// Four bytes, big-endian; a missing one is the end of the stream.
jint DataInputStream::readInt(Ref self) {
  jint ch1 = vcall(InputStream::m_read, f(self).in);
  jint ch2 = vcall(InputStream::m_read, f(self).in);
  jint ch3 = vcall(InputStream::m_read, f(self).in);
  jint ch4 = vcall(InputStream::m_read, f(self).in);
  if ((ch1 | ch2 | ch3 | ch4) < 0) jthrow(jnew<EOFException>());
  return static_cast<jint>((static_cast<uint32_t>(ch1) << 24) + (static_cast<uint32_t>(ch2) << 16) +
                           (static_cast<uint32_t>(ch3) << 8) + static_cast<uint32_t>(ch4));
}

jint DataInputStream::available(Ref self) { return vcall(InputStream::m_available, f(self).in); }

void DataInputStream::close(Ref self) { vcall(InputStream::m_close, f(self).in); }

}  // namespace java::io
