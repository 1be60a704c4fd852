// java/awt/Checkbox
#pragma once
#include "java/awt/Component.h"

namespace java::awt {

// A check box, or a radio button while it belongs to a CheckboxGroup.
struct Checkbox {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref label;
    jbool state;
    Ref group;  // java/awt/CheckboxGroup or null
    Ref itemListener;
  };
  JAVA_FIELDS(Component)

  static constexpr jint BOX_AREA = 11;  // the part repainted when the state changes

  static void init(Ref self);
  static void init(Ref self, Ref label);
  static void init(Ref self, Ref label, jbool state);
  static void init(Ref self, Ref label, Ref group, jbool state);
  static Ref getLabel(Ref self);
  static void setLabel(Ref self, Ref label);
  static jbool getState(Ref self);
  static void setState(Ref self, jbool state);
  static Ref getCheckboxGroup(Ref self);
  static void setCheckboxGroup(Ref self, Ref group);
  static void addItemListener(Ref self, Ref l);
  static void removeItemListener(Ref self, Ref l);
  static Ref getPreferredSize(Ref self);
  static void paint(Ref self, Ref g);
  static void activate(Ref self, Ref e);
};

}  // namespace java::awt
