// com/sun/cldc/io/j2me/socket/Protocol
#include "com/sun/cldc/io/j2me/socket/Protocol.h"

#include "com/sun/cldc/io/j2me/serversocket/Protocol.h"
#include "com/sun/cldc/io/j2me/socket/PrivateInputStream.h"
#include "com/sun/cldc/io/j2me/socket/PrivateOutputStream.h"
#include "java/io/IOException.h"
#include "java/lang/InterruptedException.h"
#include "java/lang/RuntimeException.h"
#include "javax/microedition/io/StreamConnection.h"
#include "natives/net.h"

namespace com::sun::cldc::io::j2me::socket {

ClassDecl Protocol::klass = {
    .name = "com/sun/cldc/io/j2me/socket/Protocol",
    .super = &NetworkConnectionBase::klass,
    .interfaces = {&javax::microedition::io::StreamConnection::klass},
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = &Protocol::init,
    .methods = {impl(GeneralBase::m_close, &Protocol::close),
                impl(ConnectionBase::m_openPrim, &Protocol::openPrim),
                impl(ConnectionBase::m_open, &Protocol::open),
                impl(ConnectionBase::m_openInputStream, &Protocol::openInputStream),
                impl(ConnectionBase::m_openOutputStream, &Protocol::openOutputStream),
                impl(m_open0, &Protocol::open0)},
    .uses = {&com::sun::cldc::io::NetworkConnectionBase::klass,
             &com::sun::cldc::io::j2me::socket::PrivateInputStream::klass,
             &com::sun::cldc::io::j2me::socket::PrivateOutputStream::klass,
             &java::io::IOException::klass, &java::lang::InterruptedException::klass,
             &java::lang::RuntimeException::klass,
             &javax::microedition::io::StreamConnection::klass},
};

// The handle starts closed (-1): a handler that never got a socket must not make the
// release hook close handle 0, which is some other open descriptor.
void Protocol::init(Ref self) {
  NetworkConnectionBase::init(self);
  f(self).handle = -1;
  f(self).openCount = 0;
  f(self).connectionOpen = 0;
  f(self).inputOpened = 0;
  f(self).outputOpened = 0;
}

void Protocol::open(Ref, Ref, jint, jbool) {
  jthrow(jnew<java::lang::RuntimeException>(lit("Should not be called")));
}

// A name with an empty host (socket://:port) is a server socket.
Ref Protocol::openPrim(Ref self, Ref name, jint mode, jbool timeouts) {
  try {
    vcall(m_open0, self, name, mode, timeouts);
  } catch (JavaThrow& e) {
    if (!caught<java::lang::InterruptedException>(e)) throw;
    Ref volatile server = jnew<serversocket::Protocol>();
    serversocket::Protocol::open(server, name, mode, timeouts);
    return server;
  }
  f(self).openCount += 1;
  f(self).connectionOpen = 1;
  f(self).mode = mode;
  return self;
}

void Protocol::open0(Ref self, Ref name, jint mode, jbool timeouts) {
  native(sock_open, self, name, mode, timeouts);
}

void Protocol::ensureOpen(Ref self) {
  if (!f(self).connectionOpen) jthrow(jnew<java::io::IOException>(lit("Connection closed")));
}

Ref Protocol::openInputStream(Ref self) {
  ensureOpen(self);
  if ((f(self).mode & 1) == 0)
    jthrow(jnew<java::io::IOException>(lit("Connection not open for reading")));
  if (f(self).inputOpened) jthrow(jnew<java::io::IOException>(lit("Input stream already opened")));
  f(self).inputOpened = 1;
  f(self).openCount += 1;
  return jnew<PrivateInputStream>(self);
}

Ref Protocol::openOutputStream(Ref self) {
  ensureOpen(self);
  if ((f(self).mode & 2) == 0)
    jthrow(jnew<java::io::IOException>(lit("Connection not open for writing")));
  if (f(self).outputOpened)
    jthrow(jnew<java::io::IOException>(lit("Output stream already opened")));
  f(self).outputOpened = 1;
  f(self).openCount += 1;
  return jnew<PrivateOutputStream>(self);
}

void Protocol::close(Ref self) {
  if (f(self).connectionOpen) {
    f(self).connectionOpen = 0;
    realClose(self);
  }
}

// The host socket stays open until the connection and every stream from it are closed.
void Protocol::realClose(Ref self) {
  f(self).openCount -= 1;
  if (f(self).openCount == 0) native(sock_close, self);
}

}  // namespace com::sun::cldc::io::j2me::socket
