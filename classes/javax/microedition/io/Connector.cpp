// javax/microedition/io/Connector
#include "javax/microedition/io/Connector.h"

#include "com/sun/cldc/io/ConnectionBaseInterface.h"
#include "java/io/IOException.h"
#include "java/lang/Class.h"
#include "java/lang/ClassCastException.h"
#include "java/lang/ClassNotFoundException.h"
#include "java/lang/IllegalAccessException.h"
#include "java/lang/IllegalArgumentException.h"
#include "java/lang/InstantiationException.h"
#include "java/lang/String.h"
#include "java/lang/System.h"
#include "javax/microedition/io/ConnectionNotFoundException.h"
#include "javax/microedition/io/InputConnection.h"
#include "javax/microedition/io/OutputConnection.h"

namespace javax::microedition::io {

using com::sun::cldc::io::ConnectionBaseInterface;
using java::lang::String;
using java::lang::System;

ClassDecl Connector::klass = {
    .name = "javax/microedition/io/Connector",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .classInit = &Connector::staticInit,
    .staticWords = JAVA_STATIC_WORDS,
    .uses = {&com::sun::cldc::io::ConnectionBaseInterface::klass, &java::io::IOException::klass,
             &java::lang::Class::klass, &java::lang::ClassCastException::klass,
             &java::lang::ClassNotFoundException::klass, &java::lang::IllegalAccessException::klass,
             &java::lang::IllegalArgumentException::klass,
             &java::lang::InstantiationException::klass, &java::lang::String::klass,
             &java::lang::System::klass,
             &javax::microedition::io::ConnectionNotFoundException::klass,
             &javax::microedition::io::InputConnection::klass,
             &javax::microedition::io::OutputConnection::klass},
};

void Connector::staticInit() {
  S().microEdition = 0;
  if (System::getProperty(lit("microedition.configuration"))) S().microEdition = 1;
  S().platform = System::getProperty(lit("microedition.platform"));
  Ref volatile root = System::getProperty(lit("microedition.protocolpath"));
  S().classRoot = root ? root : lit("com.sun.cldc.io");
}

Ref Connector::open(Ref name) { return open(name, READ_WRITE); }

Ref Connector::open(Ref name, jint mode) { return open(name, mode, 0); }

// The handler class is <classRoot>.<platform>.<protocol>.Protocol, found by name; it gets
// the part of the name after the first colon.
static Ref openPrim(Ref name, jint mode, jbool timeouts, Ref platform) {
  if (!name) jthrow(jnew<java::lang::IllegalArgumentException>(lit("Null URL")));
  jint colon = String::indexOf(name, ':');
  if (colon < 1) jthrow(jnew<java::lang::IllegalArgumentException>(lit("no ':' in URL")));
  Ref volatile protocol = String::substring(name, 0, colon);
  Ref volatile rest = String::substring(name, colon + 1);
  if (String::equals(protocol, lit("file"))) protocol = lit("storage");
  try {
    Ref volatile className = jconcat(
        {Connector::S().classRoot, lit("."), platform, lit("."), protocol, lit(".Protocol")});
    Ref volatile handler = java::lang::Class::newInstance(java::lang::Class::forName(className));
    if (! instanceof <ConnectionBaseInterface>(handler))
      jthrow(jnew<java::lang::ClassCastException>());
    return icall(ConnectionBaseInterface::m_openPrim, handler, rest, mode, timeouts);
  } catch (JavaThrow& e) {
    if (!caught<java::lang::InstantiationException>(e) &&
        !caught<java::lang::IllegalAccessException>(e) &&
        !caught<java::lang::ClassCastException>(e))
      throw;
    Ref volatile text = vcall(java::lang::Object::m_toString, e.object());
    jthrow(jnew<java::io::IOException>(text));
  }
}

// The platform's own handlers first, then the configuration's.
Ref Connector::open(Ref name, jint mode, jbool timeouts) {
  clinit<Connector>();
  if (S().platform) {
    try {
      return openPrim(name, mode, timeouts, S().platform);
    } catch (JavaThrow& e) {
      if (!caught<java::lang::ClassNotFoundException>(e)) throw;
    }
  }
  try {
    return openPrim(name, mode, timeouts, lit(S().microEdition ? "j2me" : "j2se"));
  } catch (JavaThrow& e) {
    if (!caught<java::lang::ClassNotFoundException>(e)) throw;
  }
  jthrow(jnew<ConnectionNotFoundException>(
      jconcat({lit("The requested protocol does not exist "), name})));
}

Ref Connector::openDataInputStream(Ref name) {
  Ref volatile con = cast<InputConnection>(open(name, READ));
  Ref volatile stream = icall(InputConnection::m_openDataInputStream, con);
  icall(Connection::m_close, con);
  return stream;
}

Ref Connector::openDataOutputStream(Ref name) {
  Ref volatile con = cast<OutputConnection>(open(name, WRITE));
  Ref volatile stream = icall(OutputConnection::m_openDataOutputStream, con);
  icall(Connection::m_close, con);
  return stream;
}

Ref Connector::openInputStream(Ref name) { return openDataInputStream(name); }

Ref Connector::openOutputStream(Ref name) { return openDataOutputStream(name); }

}  // namespace javax::microedition::io
