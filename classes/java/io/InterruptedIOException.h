// java/io/InterruptedIOException
#pragma once
#include "java/io/IOException.h"

namespace java::io {

struct InterruptedIOException {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint bytesTransferred;
  };
  JAVA_FIELDS(IOException)

  static void init(Ref self);
  static void init(Ref self, Ref message);
};

}  // namespace java::io
