// PTDialog: a full-screen dialog placed by hand, closed by its OK button.
#pragma once
#include "java/awt/Dialog.h"

namespace orbitale {

struct PTDialog {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::awt::Dialog)

  static void init(Ref self, Ref frame);
  static void actionPerformed(Ref self, Ref e);
};

}  // namespace orbitale
