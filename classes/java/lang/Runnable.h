// java/lang/Runnable
#pragma once
#include "java/lang/Object.h"

namespace java::lang {

struct Runnable {
  static ClassDecl klass;
  static inline Method<void(Ref)> m_run{"run()", &klass};
};

}  // namespace java::lang
