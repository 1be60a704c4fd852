// java/awt/MenuBar
#pragma once
#include "java/lang/Object.h"

namespace java::awt {

// The menus of a frame; activate() shows their titles as a strip in a popup at the top.
struct MenuBar {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref menus;  // java/util/Vector of java/awt/Menu
    Ref strip;  // java/awt/MenuBarComponent
    Ref popup;  // java/awt/Window
  };
  JAVA_FIELDS(java::lang::Object)

  static void init(Ref self);
  static Ref add(Ref self, Ref menu);
  static jint getMenuCount(Ref self);
  static Ref getMenu(Ref self, jint index);
  // Called by Frame.activate and by the menu key.
  static void activate(Ref self);
};

}  // namespace java::awt
