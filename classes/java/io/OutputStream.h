// java/io/OutputStream
#pragma once
#include "java/lang/Object.h"

namespace java::io {

struct OutputStream {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::lang::Object)

  static inline Method<void(Ref, jint)> m_write{"write(I)", &klass};
  static inline Method<void(Ref, Ref, jint, jint)> m_writeArray{"write([BII)", &klass};
  static inline Method<void(Ref)> m_flush{"flush()", &klass};
  static inline Method<void(Ref)> m_close{"close()", &klass};

  static void init(Ref self);
  static void write(Ref self, Ref b);  // write(byte[])
  static void write(Ref self, Ref b, jint off, jint len);
  static void flush(Ref self);
  static void close(Ref self);
};

}  // namespace java::io
