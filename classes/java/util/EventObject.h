// java/util/EventObject
#pragma once
#include "java/lang/Object.h"

namespace java::util {

struct EventObject {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref source;
  };
  JAVA_FIELDS(java::lang::Object)

  static void init(Ref self, Ref source);
  static Ref getSource(Ref self);
};

}  // namespace java::util
