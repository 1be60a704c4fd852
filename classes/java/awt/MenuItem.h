// java/awt/MenuItem
#pragma once
#include "java/lang/Object.h"

namespace java::awt {

// One entry of a Menu; shown in the menu's list by its label.
struct MenuItem {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref label;
    Ref actionListener;
  };
  JAVA_FIELDS(java::lang::Object)

  static void init(Ref self, Ref label);
  static Ref getLabel(Ref self);
  static void setLabel(Ref self, Ref label);
  static void addActionListener(Ref self, Ref l);
  static void removeActionListener(Ref self, Ref l);
  static Ref toString(Ref self);
};

}  // namespace java::awt
