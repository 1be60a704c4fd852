// java/awt/Point
#pragma once
#include "java/lang/Object.h"

namespace java::awt {

struct Point {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint x;
    jint y;
  };
  JAVA_FIELDS(java::lang::Object)

  static void init(Ref self, jint x, jint y);
};

}  // namespace java::awt
