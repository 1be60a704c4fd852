// com/sun/cldc/io/j2me/debug/Protocol
#pragma once
#include "com/sun/cldc/io/ConnectionBase.h"

namespace com::sun::cldc::io::j2me::debug {

struct Protocol {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jbool opened;  // one output stream at a time
  };
  JAVA_FIELDS(ConnectionBase)

  static void init(Ref self);
  static void open(Ref self, Ref name, jint mode, jbool timeouts);
  static Ref openOutputStream(Ref self);
};

}  // namespace com::sun::cldc::io::j2me::debug
