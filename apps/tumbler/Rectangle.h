// Rectangle: Tumbler's plain rectangle.
#pragma once
#include "java/lang/Object.h"

namespace tumbler {

struct Rectangle {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint x, y, width, height;
  };
  JAVA_FIELDS(java::lang::Object)

  static void init(Ref self, jint x, jint y, jint width, jint height);
};

}  // namespace tumbler
