// com/sun/cldc/io/j2me/serversocket/Protocol
#include "com/sun/cldc/io/j2me/serversocket/Protocol.h"

#include "com/sun/cldc/io/j2me/socket/Protocol.h"
#include "javax/microedition/io/StreamConnectionNotifier.h"
#include "natives/net.h"

namespace com::sun::cldc::io::j2me::serversocket {

using javax::microedition::io::StreamConnectionNotifier;

ClassDecl Protocol::klass = {
    .name = "com/sun/cldc/io/j2me/serversocket/Protocol",
    .super = &NetworkConnectionBase::klass,
    .interfaces = {&StreamConnectionNotifier::klass},
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = &Protocol::init,
    .methods = {impl(GeneralBase::m_close, &Protocol::close),
                impl(ConnectionBase::m_open, &Protocol::open),
                impl(m_acceptAndOpen, &Protocol::acceptAndOpen)},
    .uses = {&com::sun::cldc::io::NetworkConnectionBase::klass,
             &javax::microedition::io::StreamConnectionNotifier::klass},
};

// Closed (-1) until the open native stores a socket, as for the client handler.
void Protocol::init(Ref self) {
  NetworkConnectionBase::init(self);
  f(self).handle = -1;
}

void Protocol::open(Ref self, Ref name, jint mode, jbool timeouts) {
  native(srv_open, self, name, mode, timeouts);
}

// A client connection over the accepted socket, open for reading and writing.
Ref Protocol::acceptAndOpen(Ref self) {
  jint handle = native(srv_accept, self);
  if (handle < 0) rt_throw_error(ERR_SERVER_SOCKET);
  Ref volatile con = jnew<socket::Protocol>();
  auto& c = socket::Protocol::f(con);
  c.handle = handle;
  c.mode = 3;
  c.openCount = 1;
  c.connectionOpen = 1;
  return con;
}

void Protocol::close(Ref self) { native(srv_close, self); }

}  // namespace com::sun::cldc::io::j2me::serversocket
