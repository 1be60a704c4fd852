// java/util/VectorEnumerator
#pragma once
#include "java/lang/Object.h"

namespace java::util {

struct VectorEnumerator {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref vector;
    jint count;  // the next index
  };
  JAVA_FIELDS(java::lang::Object)

  static void init(Ref self, Ref v);
  static jbool hasMoreElements(Ref self);
  static Ref nextElement(Ref self);
};

}  // namespace java::util
