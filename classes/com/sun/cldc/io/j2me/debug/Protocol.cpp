// com/sun/cldc/io/j2me/debug/Protocol
#include "com/sun/cldc/io/j2me/debug/Protocol.h"

#include "com/sun/cldc/io/j2me/debug/PrivateOutputStream.h"
#include "java/io/IOException.h"
#include "java/lang/IllegalArgumentException.h"
#include "java/lang/String.h"
#include "javax/microedition/io/OutputConnection.h"

namespace com::sun::cldc::io::j2me::debug {

ClassDecl Protocol::klass = {
    .name = "com/sun/cldc/io/j2me/debug/Protocol",
    .super = &ConnectionBase::klass,
    .interfaces = {&javax::microedition::io::OutputConnection::klass},
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = &Protocol::init,
    .methods = {impl(ConnectionBase::m_open, &Protocol::open),
                impl(ConnectionBase::m_openOutputStream, &Protocol::openOutputStream)},
    .uses = {&com::sun::cldc::io::ConnectionBase::klass,
             &com::sun::cldc::io::j2me::debug::PrivateOutputStream::klass,
             &java::io::IOException::klass, &java::lang::IllegalArgumentException::klass,
             &java::lang::String::klass, &javax::microedition::io::OutputConnection::klass},
};

void Protocol::init(Ref self) {
  ConnectionBase::init(self);
  f(self).opened = 0;
}

// The console takes no options: the name is "debug:" and nothing more.
void Protocol::open(Ref, Ref name, jint, jbool) {
  if (java::lang::String::length(name) != 0)
    jthrow(
        jnew<java::lang::IllegalArgumentException>(jconcat({lit("Bad protocol option:"), name})));
}

Ref Protocol::openOutputStream(Ref self) {
  if (f(self).opened) jthrow(jnew<java::io::IOException>(lit("Stream already opened")));
  f(self).opened = 1;
  return jnew<PrivateOutputStream>(self);
}

}  // namespace com::sun::cldc::io::j2me::debug
