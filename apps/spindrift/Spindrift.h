// Spindrift: the spotlet of the turning logo, and the program's entry.
#pragma once
#include "com/sun/kjava/Spotlet.h"

namespace spindrift {

struct Spindrift {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref exitButton;
    jint penX, penY;  // the last pen-down off the button; -1 when none is pending
    Ref rotator;      // ObjectRotator
  };
  JAVA_FIELDS(com::sun::kjava::Spotlet)

  static void main(Ref args);
  static void init(Ref self);
  static void penDown(Ref self, jint x, jint y);
  static void penUp(Ref self, jint x, jint y);
  static void penMove(Ref self, jint x, jint y);
  static void keyDown(Ref self, jint keyCode);
};

}  // namespace spindrift
