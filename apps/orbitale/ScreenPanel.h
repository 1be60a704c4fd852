// ScreenPanel: a panel whose components are placed by hand, with push buttons that report
// to it by their labels.
#pragma once
#include "java/awt/Panel.h"

namespace orbitale {

struct ScreenPanel {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::awt::Panel)

  static void init(Ref self);
  static Ref addButton(Ref self, Ref label, jint x, jint y, jint width, jint height);
  static void actionPerformed(Ref self, Ref e);
};

}  // namespace orbitale
