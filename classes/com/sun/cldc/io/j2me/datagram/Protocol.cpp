// com/sun/cldc/io/j2me/datagram/Protocol
#include "com/sun/cldc/io/j2me/datagram/Protocol.h"

#include "java/lang/IllegalArgumentException.h"
#include "java/lang/Integer.h"
#include "java/lang/String.h"
#include "javax/microedition/io/DatagramConnection.h"
#include "natives/net.h"

namespace com::sun::cldc::io::j2me::datagram {

using java::lang::IllegalArgumentException;
using java::lang::String;

ClassDecl Protocol::klass = {
    .name = "com/sun/cldc/io/j2me/datagram/Protocol",
    .super = &NetworkConnectionBase::klass,
    .interfaces = {&javax::microedition::io::DatagramConnection::klass},
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(host)},
    .defaultCtor = &Protocol::init,
    .methods = {impl(GeneralBase::m_close, &Protocol::close),
                impl(ConnectionBase::m_open, &Protocol::open)},
    .uses = {&com::sun::cldc::io::NetworkConnectionBase::klass,
             &java::lang::IllegalArgumentException::klass, &java::lang::Integer::klass,
             &java::lang::String::klass, &javax::microedition::io::DatagramConnection::klass},
};

// Closed (-1) until a socket is stored, as for the client handler.
void Protocol::init(Ref self) {
  NetworkConnectionBase::init(self);
  f(self).handle = -1;
  f(self).host = nullptr;
}

[[noreturn]] static void bad_name(const char* text, Ref name) {
  jthrow(jnew<IllegalArgumentException>(jconcat({lit(text), name})));
}

// //host:port sends to a host; //:port receives on a local port. The messages name the
// part after the two slashes.
void Protocol::open(Ref self, Ref name, jint mode, jbool timeouts) {
  if (!String::startsWith(name, lit("//"))) bad_name("Protocol must start with \"//\" ", name);
  Ref volatile rest = String::substring(name, 2);
  jint colon = String::indexOf(rest, ':');
  if (colon < 0) bad_name("No ':' in protocol name ", rest);
  f(self).host = colon == 0 ? nullptr : String::substring(rest, 0, colon);
  f(self).port = java::lang::Integer::parseInt(String::substring(rest, colon + 1));
  if (f(self).port < 0 || f(self).port > 65535) bad_name("Bad port number ", rest);
  if (f(self).port == 0) bad_name("Bad port number \"//\" ", rest);
  native(dgram_open, self, mode, timeouts, f(self).host ? 0 : f(self).port);
  f(self).opened = 1;
}

void Protocol::close(Ref self) {
  if (f(self).opened) {
    f(self).opened = 0;
    native(dgram_close, self);
  }
}

}  // namespace com::sun::cldc::io::j2me::datagram
