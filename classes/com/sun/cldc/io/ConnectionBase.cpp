// com/sun/cldc/io/ConnectionBase
#include "com/sun/cldc/io/ConnectionBase.h"

#include "com/sun/cldc/io/ConnectionBaseInterface.h"
#include "java/io/DataInputStream.h"
#include "java/io/DataOutputStream.h"
#include "java/lang/RuntimeException.h"
#include "javax/microedition/io/Connection.h"

namespace com::sun::cldc::io {

ClassDecl ConnectionBase::klass = {
    .name = "com/sun/cldc/io/ConnectionBase",
    .super = &GeneralBase::klass,
    .interfaces = {&javax::microedition::io::Connection::klass, &ConnectionBaseInterface::klass},
    .instanceSize = JAVA_INSTANCE_SIZE,
    .methods = {impl(m_openPrim, &ConnectionBase::openPrim), abstract_method(m_open),
                impl(m_openInputStream, &ConnectionBase::openInputStream),
                impl(m_openOutputStream, &ConnectionBase::openOutputStream),
                impl(m_openDataInputStream, &ConnectionBase::openDataInputStream),
                impl(m_openDataOutputStream, &ConnectionBase::openDataOutputStream)},
    .uses = {&com::sun::cldc::io::ConnectionBaseInterface::klass,
             &com::sun::cldc::io::GeneralBase::klass, &java::io::DataInputStream::klass,
             &java::io::DataOutputStream::klass, &java::lang::RuntimeException::klass,
             &javax::microedition::io::Connection::klass},
};

void ConnectionBase::init(Ref self) { GeneralBase::init(self); }

Ref ConnectionBase::openPrim(Ref self, Ref name, jint mode, jbool timeouts) {
  vcall(m_open, self, name, mode, timeouts);
  return self;
}

Ref ConnectionBase::openInputStream(Ref) {
  jthrow(jnew<java::lang::RuntimeException>(lit("No openInputStream")));
}

Ref ConnectionBase::openOutputStream(Ref) {
  jthrow(jnew<java::lang::RuntimeException>(lit("No openOutputStream")));
}

Ref ConnectionBase::openDataInputStream(Ref self) {
  return jnew<java::io::DataInputStream>(vcall(m_openInputStream, self));
}

Ref ConnectionBase::openDataOutputStream(Ref self) {
  return jnew<java::io::DataOutputStream>(vcall(m_openOutputStream, self));
}

}  // namespace com::sun::cldc::io
