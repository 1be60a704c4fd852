// java/io/Reader
#pragma once
#include "java/lang/Object.h"

namespace java::io {

struct Reader {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref lock;
    Ref skipBuffer;  // char array, null until skip needs it
  };
  JAVA_FIELDS(java::lang::Object)

  static inline Method<jint(Ref)> m_read{"read()", &klass};
  static inline Method<jint(Ref, Ref, jint, jint)> m_readChars{"read([CII)", &klass};
  static inline Method<jlong(Ref, jlong)> m_skip{"skip(J)", &klass};
  static inline Method<jbool(Ref)> m_ready{"ready()", &klass};
  static inline Method<void(Ref)> m_close{"close()", &klass};

  static void init(Ref self);
  static jint read(Ref self);
  static jint readChars(Ref self, Ref cbuf);  // read(char[])
  static jlong skip(Ref self, jlong n);
  static jbool ready(Ref self);
};

}  // namespace java::io
