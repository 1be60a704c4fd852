// com/sun/cldc/io/j2me/socket/Protocol
#pragma once
#include "com/sun/cldc/io/NetworkConnectionBase.h"

namespace com::sun::cldc::io::j2me::socket {

struct Protocol {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint handle;  // the host socket, first field: the natives and the release hook use it
    jint mode;
    jint openCount;  // the connection and each stream opened from it
    jbool connectionOpen;
    jbool inputOpened;
    jbool outputOpened;
  };
  JAVA_FIELDS(NetworkConnectionBase)

  static inline Method<void(Ref, Ref, jint, jbool)> m_open0{"open0(Ljava/lang/String;IZ)", &klass};

  static void init(Ref self);
  static void open(Ref self, Ref name, jint mode, jbool timeouts);
  static Ref openPrim(Ref self, Ref name, jint mode, jbool timeouts);
  static void open0(Ref self, Ref name, jint mode, jbool timeouts);
  static void ensureOpen(Ref self);
  static Ref openInputStream(Ref self);
  static Ref openOutputStream(Ref self);
  static void close(Ref self);
  static void realClose(Ref self);
};

}  // namespace com::sun::cldc::io::j2me::socket
