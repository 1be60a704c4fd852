// java/io/ByteArrayInputStream
#pragma once
#include "java/io/InputStream.h"

namespace java::io {

struct ByteArrayInputStream {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref buf;
    jint pos;
    jint mark;
    jint count;
  };
  JAVA_FIELDS(InputStream)

  static inline Method<jbool(Ref)> m_markSupported{"markSupported()", &klass};
  static inline Method<void(Ref, jint)> m_mark{"mark(I)", &klass};
  static inline Method<void(Ref)> m_reset{"reset()", &klass};

  static void init(Ref self, Ref buf);
  static void init(Ref self, Ref buf, jint offset, jint length);
  static jint read(Ref self);
  static jint read(Ref self, Ref b, jint off, jint len);
  static jlong skip(Ref self, jlong n);
  static jint available(Ref self);
  static jbool markSupported(Ref self);
  static void mark(Ref self, jint readAheadLimit);
  static void reset(Ref self);
  static void close(Ref self);
};

}  // namespace java::io
