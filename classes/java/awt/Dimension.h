// java/awt/Dimension
#pragma once
#include "java/lang/Object.h"

namespace java::awt {

struct Dimension {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint width;
    jint height;
  };
  JAVA_FIELDS(java::lang::Object)

  static void init(Ref self);
  static void init(Ref self, jint width, jint height);
};

}  // namespace java::awt
