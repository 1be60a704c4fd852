// com/sun/cldc/i18n/StreamReader
#pragma once
#include "java/io/Reader.h"

namespace com::sun::cldc::i18n {

struct StreamReader {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref in;  // java/io/InputStream
  };
  JAVA_FIELDS(java::io::Reader)

  static inline Method<Ref(Ref, Ref, Ref)> m_open{"open(Ljava/io/InputStream;Ljava/lang/String;)", &klass};
  static inline Method<jint(Ref, Ref, jint, jint)> m_sizeOf{"sizeOf([BII)", &klass};

  static void init(Ref self);
  static Ref open(Ref self, Ref is, Ref enc);
  static jbool ready(Ref self);
  static void close(Ref self);
};

}  // namespace com::sun::cldc::i18n
