// com/sun/cldc/io/ConnectionBase
#pragma once
#include "com/sun/cldc/io/GeneralBase.h"

namespace com::sun::cldc::io {

struct ConnectionBase {
  static ClassDecl klass;
  JAVA_NO_FIELDS(GeneralBase)

  static inline Method<Ref(Ref, Ref, jint, jbool)> m_openPrim{"openPrim(Ljava/lang/String;IZ)", &klass};
  static inline Method<void(Ref, Ref, jint, jbool)> m_open{"open(Ljava/lang/String;IZ)", &klass};
  static inline Method<Ref(Ref)> m_openInputStream{"openInputStream()", &klass};
  static inline Method<Ref(Ref)> m_openOutputStream{"openOutputStream()", &klass};
  static inline Method<Ref(Ref)> m_openDataInputStream{"openDataInputStream()", &klass};
  static inline Method<Ref(Ref)> m_openDataOutputStream{"openDataOutputStream()", &klass};

  static void init(Ref self);
  static Ref openPrim(Ref self, Ref name, jint mode, jbool timeouts);
  static Ref openInputStream(Ref self);
  static Ref openOutputStream(Ref self);
  static Ref openDataInputStream(Ref self);
  static Ref openDataOutputStream(Ref self);
};

}  // namespace com::sun::cldc::io
