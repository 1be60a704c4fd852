// DisplayOptionsDialog: symbols or numbers, and which element groups the table shows.
#pragma once
#include "PTDialog.h"

namespace orbitale {

struct DisplayOptionsDialog {
  static ClassDecl klass;
  JAVA_NO_FIELDS(PTDialog)

  static void init(Ref self, Ref frame);
};

}  // namespace orbitale
