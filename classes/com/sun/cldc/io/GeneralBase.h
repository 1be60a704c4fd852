// com/sun/cldc/io/GeneralBase
#pragma once
#include "java/lang/Object.h"

namespace com::sun::cldc::io {

struct GeneralBase {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::lang::Object)

  static inline Method<void(Ref)> m_close{"close()", &klass};
  static inline Method<jint(Ref)> m_read{"read()", &klass};
  static inline Method<jint(Ref)> m_readInt{"readInt()", &klass};
  static inline Method<void(Ref, jint)> m_write{"write(I)", &klass};
  static inline Method<void(Ref, jint)> m_writeInt{"writeInt(I)", &klass};

  static void init(Ref self);
  static void close(Ref self);
  static jint read(Ref self);
  static jint readInt(Ref self);
  static void write(Ref self, jint b);
  static void writeInt(Ref self, jint v);
};

}  // namespace com::sun::cldc::io
