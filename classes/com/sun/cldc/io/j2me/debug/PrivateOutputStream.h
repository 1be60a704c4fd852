// com/sun/cldc/io/j2me/debug/PrivateOutputStream
#pragma once
#include "java/io/OutputStream.h"

namespace com::sun::cldc::io::j2me::debug {

struct PrivateOutputStream {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref parent;  // the debug Protocol; null once closed
  };
  JAVA_FIELDS(java::io::OutputStream)

  static void init(Ref self, Ref parent);
  static void write(Ref self, jint b);
  static void write(Ref self, Ref b, jint off, jint len);
  static void close(Ref self);
};

}  // namespace com::sun::cldc::io::j2me::debug
