// com/sun/cldc/i18n/StreamWriter
#pragma once
#include "java/io/Writer.h"

namespace com::sun::cldc::i18n {

struct StreamWriter {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref out;  // java/io/OutputStream
  };
  JAVA_FIELDS(java::io::Writer)

  static inline Method<Ref(Ref, Ref, Ref)> m_open{"open(Ljava/io/OutputStream;Ljava/lang/String;)", &klass};
  static inline Method<jint(Ref, Ref, jint, jint)> m_sizeOf{"sizeOf([CII)", &klass};

  static void init(Ref self);
  static Ref open(Ref self, Ref os, Ref enc);
  static void flush(Ref self);
  static void close(Ref self);
};

}  // namespace com::sun::cldc::i18n
