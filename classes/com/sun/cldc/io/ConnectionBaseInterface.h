// com/sun/cldc/io/ConnectionBaseInterface
#pragma once
#include "java/lang/Object.h"

namespace com::sun::cldc::io {

struct ConnectionBaseInterface {
  static ClassDecl klass;
  static inline Method<Ref(Ref, Ref, jint, jbool)> m_openPrim{"openPrim(Ljava/lang/String;IZ)", &klass};
};

}  // namespace com::sun::cldc::io
