// DialogInfo: what the information dialog shows of one element.
#pragma once
#include "java/lang/Object.h"

namespace orbitale {

struct DialogInfo {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref title;  // the element's name
    Ref lines;  // String[15]
  };
  JAVA_FIELDS(java::lang::Object)

  static constexpr jint LINES = 15;

  static void init(Ref self);
};

}  // namespace orbitale
