// java/awt/MenuBarComponent
#pragma once
#include "java/awt/Component.h"

namespace java::awt {

// The strip of menu titles that a MenuBar shows in its popup.
struct MenuBarComponent {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref menuBar;
    Ref openMenu;  // java/awt/Menu last opened, or null
    jint selectedMenu;
    Ref titleX;  // char[]: each title slot's left x, then the end of the last slot
  };
  JAVA_FIELDS(Component)

  static constexpr jint FIRST_X = 5;
  static constexpr jint SLOT_MARGIN = 10;

  static void init(Ref self, Ref menuBar);
  static Ref getPreferredSize(Ref self);
  static void paint(Ref self, Ref g);
  static void selectMenu(Ref self, jint index, jbool byKey);
  static void dispatchKeyEvent(Ref self, Ref e);
  static void dispatchMouseEvent(Ref self, Ref e);
};

}  // namespace java::awt
