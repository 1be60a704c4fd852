// java/awt/FlowLayout
#pragma once
#include "java/lang/Object.h"

namespace java::awt {

// Left-aligned rows, 2 pixels apart; one shared instance serves every container.
struct FlowLayout {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::lang::Object)
  struct Statics {
    Ref shared;
  };
  JAVA_STATICS

  static void staticInit();
  static void init(Ref self);
  static Ref shared();
  static void addLayoutComponent(Ref self, Ref name, Ref comp);
  static void removeLayoutComponent(Ref self, Ref comp);
  static Ref preferredLayoutSize(Ref self, Ref target);
  static Ref minimumLayoutSize(Ref self, Ref target);
  static void layoutContainer(Ref self, Ref target);
};

}  // namespace java::awt
