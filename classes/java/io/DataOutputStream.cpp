// java/io/DataOutputStream
#include "java/io/DataOutputStream.h"

#include "java/io/DataOutput.h"

namespace java::io {

ClassDecl DataOutputStream::klass = {
    .name = "java/io/DataOutputStream",
    .super = &OutputStream::klass,
    .interfaces = {&DataOutput::klass},
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(out)},
    .methods = {impl(OutputStream::m_write, &DataOutputStream::write),
                impl(OutputStream::m_writeArray, &DataOutputStream::write),
                impl(OutputStream::m_flush, &DataOutputStream::flush),
                impl(OutputStream::m_close, &DataOutputStream::close),
                impl(m_writeInt, &DataOutputStream::writeInt)},
    .uses = {&java::io::DataOutput::klass, &java::io::OutputStream::klass},
};

void DataOutputStream::init(Ref self, Ref out) {
  OutputStream::init(self);
  f(self).out = out;
}

void DataOutputStream::write(Ref self, jint b) { vcall(OutputStream::m_write, f(self).out, b); }

void DataOutputStream::write(Ref self, Ref b, jint off, jint len) {
  vcall(OutputStream::m_writeArray, f(self).out, b, off, len);
}

void DataOutputStream::flush(Ref self) { vcall(OutputStream::m_flush, f(self).out); }

void DataOutputStream::close(Ref self) { vcall(OutputStream::m_close, f(self).out); }

// Big-endian, as readInt reads it.
void DataOutputStream::writeInt(Ref self, jint v) {
  uint32_t u = static_cast<uint32_t>(v);
  for (int shift = 24; shift >= 0; shift -= 8)
    vcall(OutputStream::m_write, f(self).out, static_cast<jint>((u >> shift) & 0xff));
}

}  // namespace java::io
