// java/awt/Window
#pragma once
#include "java/awt/Container.h"

namespace java::awt {

// Placed in screen coordinates. A visible window is on the toolkit's window stack; only the
// top one gets input and paints. A popup closes when the pen goes down outside it and on the
// cancel and menu keys.
struct Window {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref owner;
    Ref focusOwner;
    jbool popup;
    Ref damage;  // java/util/Vector of java/awt/Rectangle, window coordinates
  };
  JAVA_FIELDS(Container)

  static void init(Ref self, Ref owner);  // starts invisible, with a BorderLayout
  static Ref getOwner(Ref self);
  static void setVisible(Ref self, jbool visible);
  static void pack(Ref self);  // preferred size, then validate
  static void dispose(Ref self);
  static void addDamage(Ref self, Ref r);
  static void paintDamage(Ref self);
  static Ref getFocusOwner(Ref self);
  static void setFocusOwner(Ref self, Ref c);
  static void addWindowListener(Ref self, Ref l);
  static void removeWindowListener(Ref self, Ref l);
};

}  // namespace java::awt
