// java/io/ByteArrayOutputStream
#pragma once
#include "java/io/OutputStream.h"

namespace java::io {

struct ByteArrayOutputStream {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref buf;
    jint count;
    jbool isClosed;
  };
  JAVA_FIELDS(OutputStream)

  static inline Method<Ref(Ref)> m_toByteArray{"toByteArray()", &klass};
  static inline Method<jint(Ref)> m_size{"size()", &klass};
  static inline Method<void(Ref)> m_reset{"reset()", &klass};

  static void init(Ref self);
  static void init(Ref self, jint size);
  static void write(Ref self, jint b);
  static void write(Ref self, Ref b, jint off, jint len);
  static void reset(Ref self);
  static Ref toByteArray(Ref self);
  static jint size(Ref self);
  static Ref toString(Ref self);
  static void close(Ref self);
};

}  // namespace java::io
