// com/sun/cldc/io/j2me/datagram/Protocol
#pragma once
#include "com/sun/cldc/io/NetworkConnectionBase.h"

namespace com::sun::cldc::io::j2me::datagram {

struct Protocol {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint handle;  // the host socket, first field
    Ref host;     // null for a receiving endpoint
    jint port;
    jbool opened;
  };
  JAVA_FIELDS(NetworkConnectionBase)

  static void init(Ref self);
  static void open(Ref self, Ref name, jint mode, jbool timeouts);
  static void close(Ref self);
};

}  // namespace com::sun::cldc::io::j2me::datagram
