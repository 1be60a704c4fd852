// java/io/Writer
#pragma once
#include "java/lang/Object.h"

namespace java::io {

struct Writer {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref writeBuffer;  // char array, made on first use
    jint writeBufferSize;
    Ref lock;
  };
  JAVA_FIELDS(java::lang::Object)

  static inline Method<void(Ref, jint)> m_write{"write(I)", &klass};
  static inline Method<void(Ref, Ref, jint, jint)> m_writeChars{"write([CII)", &klass};
  static inline Method<void(Ref, Ref)> m_writeString{"write(Ljava/lang/String;)", &klass};
  static inline Method<void(Ref, Ref, jint, jint)> m_writeSub{"write(Ljava/lang/String;II)", &klass};
  static inline Method<void(Ref)> m_flush{"flush()", &klass};
  static inline Method<void(Ref)> m_close{"close()", &klass};

  static void init(Ref self);
  static void write(Ref self, jint c);
  static void writeChars(Ref self, Ref cbuf);  // write(char[])
  static void writeString(Ref self, Ref str);
  static void writeString(Ref self, Ref str, jint off, jint len);
};

}  // namespace java::io
