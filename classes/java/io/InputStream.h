// java/io/InputStream
#pragma once
#include "java/lang/Object.h"

namespace java::io {

struct InputStream {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::lang::Object)

  static inline Method<jint(Ref)> m_read{"read()", &klass};
  static inline Method<jint(Ref, Ref, jint, jint)> m_readArray{"read([BII)", &klass};
  static inline Method<jlong(Ref, jlong)> m_skip{"skip(J)", &klass};
  static inline Method<jint(Ref)> m_available{"available()", &klass};
  static inline Method<void(Ref)> m_close{"close()", &klass};

  static void init(Ref self);
  static jint read(Ref self, Ref b);  // read(byte[])
  static jint read(Ref self, Ref b, jint off, jint len);
  static jlong skip(Ref self, jlong n);
  static jint available(Ref self);
  static void close(Ref self);
};

}  // namespace java::io
