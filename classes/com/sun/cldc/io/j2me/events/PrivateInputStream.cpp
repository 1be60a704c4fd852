// com/sun/cldc/io/j2me/events/PrivateInputStream
#include "com/sun/cldc/io/j2me/events/PrivateInputStream.h"

#include "host/natives.h"
#include "java/io/DataInput.h"
#include "java/lang/RuntimeException.h"

namespace com::sun::cldc::io::j2me::events {

Operations PrivateInputStream::closing = {
    .name = "com/sun/cldc/io/j2me/events/PrivateInputStream.close()"};

ClassDecl PrivateInputStream::klass = {
    .name = "com/sun/cldc/io/j2me/events/PrivateInputStream",
    .super = &java::io::InputStream::klass,
    .interfaces = {&java::io::DataInput::klass},
    .instanceSize = JAVA_INSTANCE_SIZE,
    .methods = {impl(java::io::InputStream::m_read, &PrivateInputStream::read),
                impl(java::io::InputStream::m_close, &PrivateInputStream::close, &closing),
                impl(m_readInt, &PrivateInputStream::readInt)},
    .uses = {&java::io::DataInput::klass, &java::io::InputStream::klass,
             &java::lang::RuntimeException::klass},
};

// A second stream does not get the queue (evt_open answers 0) and reads -1 for ever.
void PrivateInputStream::init(Ref self) {
  java::io::InputStream::init(self);
  native(evt_open, self);
}

jint PrivateInputStream::read(Ref) {
  jthrow(jnew<java::lang::RuntimeException>(lit("events: function not implemented")));
}

// -1 when nothing is queued; the reader yields and comes back.
jint PrivateInputStream::readInt(Ref self) { return native(evt_read, self); }

// The native fills the empty array, or answers 0 when no beam data came (always, here).
Ref PrivateInputStream::readBeamData(Ref self) {
  Ref volatile data = new_byte_array(0);
  return native(evt_read_bytes, self, data) ? data : nullptr;
}

// Gives the queue up, so another stream may claim it.
void PrivateInputStream::close(Ref self) { native(evt_close, self); }

}  // namespace com::sun::cldc::io::j2me::events
