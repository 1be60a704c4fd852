// java/util/Enumeration
#pragma once
#include "java/lang/Object.h"

namespace java::util {

struct Enumeration {
  static ClassDecl klass;
  static inline Method<jbool(Ref)> m_hasMoreElements{"hasMoreElements()", &klass};
  static inline Method<Ref(Ref)> m_nextElement{"nextElement()", &klass};
};

}  // namespace java::util
