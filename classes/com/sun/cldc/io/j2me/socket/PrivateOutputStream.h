// com/sun/cldc/io/j2me/socket/PrivateOutputStream
#pragma once
#include "java/io/OutputStream.h"

namespace com::sun::cldc::io::j2me::socket {

struct PrivateOutputStream {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref parent;  // the socket Protocol; null once closed
  };
  JAVA_FIELDS(java::io::OutputStream)

  static void init(Ref self, Ref parent);
  static void write(Ref self, jint b);
  static void close(Ref self);
};

}  // namespace com::sun::cldc::io::j2me::socket
