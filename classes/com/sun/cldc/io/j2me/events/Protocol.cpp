// com/sun/cldc/io/j2me/events/Protocol
#include "com/sun/cldc/io/j2me/events/Protocol.h"

#include "com/sun/cldc/io/GeneralBase.h"
#include "com/sun/cldc/io/j2me/events/PrivateInputStream.h"
#include "javax/microedition/io/InputConnection.h"

namespace com::sun::cldc::io::j2me::events {

ClassDecl Protocol::klass = {
    .name = "com/sun/cldc/io/j2me/events/Protocol",
    .super = &ConnectionBase::klass,
    .interfaces = {&javax::microedition::io::InputConnection::klass},
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = &Protocol::init,
    .methods = {impl(GeneralBase::m_close, &Protocol::close),
                impl(ConnectionBase::m_open, &Protocol::open),
                impl(ConnectionBase::m_openInputStream, &Protocol::openInputStream),
                impl(m_readBeamData, &Protocol::readBeamData)},
    .uses = {&com::sun::cldc::io::ConnectionBase::klass, &com::sun::cldc::io::GeneralBase::klass,
             &com::sun::cldc::io::j2me::events::PrivateInputStream::klass,
             &javax::microedition::io::InputConnection::klass},
};

void Protocol::init(Ref self) { ConnectionBase::init(self); }

void Protocol::close(Ref) {}

// The host queue needs no setup; the stream claims it.
void Protocol::open(Ref, Ref, jint, jbool) {}

Ref Protocol::openInputStream(Ref) { return jnew<PrivateInputStream>(); }

Ref Protocol::readBeamData(Ref, Ref in) {
  return PrivateInputStream::readBeamData(cast<PrivateInputStream>(in));
}

}  // namespace com::sun::cldc::io::j2me::events
