// java/io/DataInputStream
#pragma once
#include "java/io/InputStream.h"

namespace java::io {

struct DataInputStream {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref in;
  };
  JAVA_FIELDS(InputStream)

  static inline Method<jint(Ref)> m_readInt{"readInt()", &klass};

  static void init(Ref self, Ref in);
  static jint read(Ref self);
  static jint read(Ref self, Ref b, jint off, jint len);
  static jint readInt(Ref self);
  static jint available(Ref self);
  static void close(Ref self);
};

}  // namespace java::io
