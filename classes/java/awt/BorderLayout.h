// java/awt/BorderLayout
#pragma once
#include "java/lang/Object.h"

namespace java::awt {

struct BorderLayout {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref center;
    Ref south;
    Ref east;
    Ref north;
    Ref west;
  };
  JAVA_FIELDS(java::lang::Object)

  static void init(Ref self);
  static void addLayoutComponent(Ref self, Ref name, Ref comp);
  static void removeLayoutComponent(Ref self, Ref comp);
  static Ref preferredLayoutSize(Ref self, Ref target);
  static Ref minimumLayoutSize(Ref self, Ref target);
  static void layoutContainer(Ref self, Ref target);
};

}  // namespace java::awt
