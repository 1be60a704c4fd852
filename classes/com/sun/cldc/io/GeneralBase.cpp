// com/sun/cldc/io/GeneralBase
#include "com/sun/cldc/io/GeneralBase.h"

#include "java/io/DataInput.h"
#include "java/io/DataOutput.h"
#include "java/io/EOFException.h"
#include "java/lang/RuntimeException.h"

namespace com::sun::cldc::io {

ClassDecl GeneralBase::klass = {
    .name = "com/sun/cldc/io/GeneralBase",
    .super = &java::lang::Object::klass,
    .interfaces = {&java::io::DataInput::klass, &java::io::DataOutput::klass},
    .instanceSize = JAVA_INSTANCE_SIZE,
    .methods = {impl(m_close, &GeneralBase::close), impl(m_read, &GeneralBase::read),
                impl(m_readInt, &GeneralBase::readInt), impl(m_write, &GeneralBase::write),
                impl(m_writeInt, &GeneralBase::writeInt)},
    .uses = {&java::io::DataInput::klass, &java::io::DataOutput::klass,
             &java::io::EOFException::klass, &java::lang::RuntimeException::klass},
};

void GeneralBase::init(Ref self) { java::lang::Object::init(self); }

void GeneralBase::close(Ref) {}

jint GeneralBase::read(Ref) { jthrow(jnew<java::lang::RuntimeException>(lit("No read()"))); }

// Four read() calls, big-endian; a missing byte is the end of the stream.
jint GeneralBase::readInt(Ref self) {
  jint ch1 = vcall(m_read, self);
  jint ch2 = vcall(m_read, self);
  jint ch3 = vcall(m_read, self);
  jint ch4 = vcall(m_read, self);
  if ((ch1 | ch2 | ch3 | ch4) < 0) jthrow(jnew<java::io::EOFException>());
  return static_cast<jint>((static_cast<uint32_t>(ch1) << 24) + (static_cast<uint32_t>(ch2) << 16) +
                           (static_cast<uint32_t>(ch3) << 8) + static_cast<uint32_t>(ch4));
}

void GeneralBase::write(Ref, jint) {
  jthrow(jnew<java::lang::RuntimeException>(lit("No write()")));
}

void GeneralBase::writeInt(Ref self, jint v) {
  uint32_t u = static_cast<uint32_t>(v);
  for (int shift = 24; shift >= 0; shift -= 8)
    vcall(m_write, self, static_cast<jint>((u >> shift) & 0xff));
}

}  // namespace com::sun::cldc::io
