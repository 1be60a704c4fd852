// java/io/DataOutputStream
#pragma once
#include "java/io/OutputStream.h"

namespace java::io {

struct DataOutputStream {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref out;
  };
  JAVA_FIELDS(OutputStream)

  static inline Method<void(Ref, jint)> m_writeInt{"writeInt(I)", &klass};

  static void init(Ref self, Ref out);
  static void write(Ref self, jint b);
  static void write(Ref self, Ref b, jint off, jint len);
  static void flush(Ref self);
  static void close(Ref self);
  static void writeInt(Ref self, jint v);
};

}  // namespace java::io
