// Tumbler: the spotlet of the framed stage and its three buttons, and the program's entry.
#pragma once
#include "com/sun/kjava/Spotlet.h"

namespace tumbler {

struct Tumbler {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref comeOnButton, byeButton, exitButton;
    Ref current;  // the last Pellow added, or null
    Ref manager;  // AnimManager
  };
  JAVA_FIELDS(com::sun::kjava::Spotlet)
  struct Statics {
    Ref stage;  // Rectangle(2, 2, 156, 136)
  };
  JAVA_STATICS

  static void staticInit();
  static void main(Ref args);
  static void init(Ref self);
  static void paint(Ref self, Ref g);
  static void paintFrame(Ref self, Ref g);
  static void penDown(Ref self, jint x, jint y);
};

}  // namespace tumbler
