// com/sun/cldc/io/j2me/serversocket/Protocol
#pragma once
#include "com/sun/cldc/io/NetworkConnectionBase.h"

namespace com::sun::cldc::io::j2me::serversocket {

struct Protocol {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint handle;  // the listening host socket, first field
  };
  JAVA_FIELDS(NetworkConnectionBase)

  static inline Method<Ref(Ref)> m_acceptAndOpen{"acceptAndOpen()", &klass};

  static void init(Ref self);
  static void open(Ref self, Ref name, jint mode, jbool timeouts);
  static Ref acceptAndOpen(Ref self);
  static void close(Ref self);
};

}  // namespace com::sun::cldc::io::j2me::serversocket
