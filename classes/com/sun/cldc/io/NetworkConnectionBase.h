// com/sun/cldc/io/NetworkConnectionBase
#pragma once
#include "com/sun/cldc/io/ConnectionBase.h"

namespace com::sun::cldc::io {

struct NetworkConnectionBase {
  static ClassDecl klass;
  JAVA_NO_FIELDS(ConnectionBase)

  static void staticInit();
  static void init(Ref self);
};

}  // namespace com::sun::cldc::io
