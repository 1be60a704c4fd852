// java/awt/Button
#pragma once
#include "java/awt/Component.h"

namespace java::awt {

// A push button: drawn pressed while the pen is down on it, fires when the pen is lifted
// inside it or on the activate keys.
struct Button {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref actionListener;
    Ref label;
    Ref actionCommand;  // null: the label is the command
    jbool pressed;
  };
  JAVA_FIELDS(Component)

  static void init(Ref self);
  static void init(Ref self, Ref label);
  static Ref getLabel(Ref self);
  static void setLabel(Ref self, Ref label);
  static void setActionCommand(Ref self, Ref command);
  static Ref getActionCommand(Ref self);
  static void addActionListener(Ref self, Ref l);
  static void removeActionListener(Ref self, Ref l);
  static Ref getPreferredSize(Ref self);
  static void paint(Ref self, Ref g);
  static void dispatchMouseEvent(Ref self, Ref e);
  static void activate(Ref self, Ref e);
};

}  // namespace java::awt
