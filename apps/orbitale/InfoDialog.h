// InfoDialog: the fifteen properties of one element.
#pragma once
#include "PTDialog.h"

namespace orbitale {

struct InfoDialog {
  static ClassDecl klass;
  JAVA_NO_FIELDS(PTDialog)

  static void init(Ref self, Ref frame, jint index);
};

}  // namespace orbitale
