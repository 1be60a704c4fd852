// java/awt/Insets
#pragma once
#include "java/lang/Object.h"

namespace java::awt {

struct Insets {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint top;
    jint left;
    jint bottom;
    jint right;
  };
  JAVA_FIELDS(java::lang::Object)

  static void init(Ref self, jint top, jint left, jint bottom, jint right);
};

}  // namespace java::awt
