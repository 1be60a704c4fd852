// java/awt/CheckboxGroup
#pragma once
#include "java/lang/Object.h"

namespace java::awt {

// The radio buttons of one group: turning one on turns the others off.
struct CheckboxGroup {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref boxes;  // java/util/Vector of java/awt/Checkbox
  };
  JAVA_FIELDS(java::lang::Object)

  static void init(Ref self);
  static Ref getSelectedCheckbox(Ref self);  // or null
  static void setSelectedCheckbox(Ref self, Ref box);
  // Membership, kept by Checkbox.setCheckboxGroup.
  static void add(Ref self, Ref box);
  static void remove(Ref self, Ref box);
  // Unchecks and repaints every member but `box`, without events.
  static void selected(Ref self, Ref box);
};

}  // namespace java::awt
