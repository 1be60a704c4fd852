// java/awt/SystemColor
#pragma once
#include "java/awt/Color.h"

namespace java::awt {

// Three colour objects; the look and feel takes the accent for pressed buttons and title bars.
struct SystemColor {
  static ClassDecl klass;
  JAVA_NO_FIELDS(Color)
  struct Statics {
    Ref white, black, accent;                          // accent 0x330099
    Ref window, control, controlText, menu, menuText;  // white, white, black, white, black
  };
  JAVA_STATICS

  static void staticInit();
  static void init(Ref self, jint rgb);
  static Ref accent();  // with the class initialised
};

}  // namespace java::awt
