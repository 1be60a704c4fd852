// AboutDialog: the program's name, version and credits.
#pragma once
#include "PTDialog.h"

namespace orbitale {

struct AboutDialog {
  static ClassDecl klass;
  JAVA_NO_FIELDS(PTDialog)

  static void init(Ref self, Ref frame);
};

}  // namespace orbitale
