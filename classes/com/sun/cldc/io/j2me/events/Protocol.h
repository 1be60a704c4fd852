// com/sun/cldc/io/j2me/events/Protocol
#pragma once
#include "com/sun/cldc/io/ConnectionBase.h"

namespace com::sun::cldc::io::j2me::events {

struct Protocol {
  static ClassDecl klass;
  JAVA_NO_FIELDS(ConnectionBase)

  static inline Method<Ref(Ref, Ref)> m_readBeamData{"readBeamData(Ljava/io/DataInput;)", &klass};

  static void init(Ref self);
  static void close(Ref self);
  static void open(Ref self, Ref name, jint mode, jbool timeouts);
  static Ref openInputStream(Ref self);
  static Ref readBeamData(Ref self, Ref in);
};

}  // namespace com::sun::cldc::io::j2me::events
