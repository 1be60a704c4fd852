// java/awt/Panel
#pragma once
#include "java/awt/Container.h"

namespace java::awt {

struct Panel {
  static ClassDecl klass;
  JAVA_NO_FIELDS(Container)

  static void init(Ref self);
};

}  // namespace java::awt
