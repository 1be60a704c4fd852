// java/lang/InstantiationException
#pragma once
#include "java/lang/Exception.h"

namespace java::lang {

// Only the no-argument constructor: the runtime cannot throw it by error code.
struct InstantiationException {
  static ClassDecl klass;
  JAVA_NO_FIELDS(Exception)
  static void init(Ref self);
};

}  // namespace java::lang
