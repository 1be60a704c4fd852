// com/sun/cldc/io/j2me/socket/PrivateInputStream
#pragma once
#include "java/io/InputStream.h"

namespace com::sun::cldc::io::j2me::socket {

struct PrivateInputStream {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref parent;  // the socket Protocol; null once closed
    jbool eof;
  };
  JAVA_FIELDS(java::io::InputStream)

  static void init(Ref self, Ref parent);
  static jint read(Ref self);
  static void close(Ref self);
};

}  // namespace com::sun::cldc::io::j2me::socket
