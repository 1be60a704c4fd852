// de/kawt/impl/kjava/SpotletImpl
#pragma once
#include "com/sun/kjava/Spotlet.h"

namespace de::kawt::impl::kjava {

// Turns the palm callbacks into toolkit events on the system event queue.
struct SpotletImpl {
  static ClassDecl klass;
  JAVA_NO_FIELDS(com::sun::kjava::Spotlet)
  struct Statics {
    jbool pushed;  // the jog wheel is held down (5890 until 5893)
  };
  JAVA_STATICS

  static void init(Ref self);
  static void penDown(Ref self, jint x, jint y);
  static void penUp(Ref self, jint x, jint y);
  static void penMove(Ref self, jint x, jint y);
  static void keyDown(Ref self, jint keyCode);
};

}  // namespace de::kawt::impl::kjava
