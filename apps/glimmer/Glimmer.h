// Glimmer: the spotlet of the tumbling word logo, its own animation loop, and the
// program's entry.
#pragma once
#include "com/sun/kjava/Spotlet.h"

namespace glimmer {

struct Glimmer {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref object;  // VorelObject
    jbool running;
    Ref exitButton;
    Ref startStopButton;  // "Stop" while running, "Start" while paused
  };
  JAVA_FIELDS(com::sun::kjava::Spotlet)
  struct Statics {
    Ref g;       // com/sun/kjava/Graphics
    Ref random;  // java/util/Random, fixed seed: every run tumbles the same way
  };
  JAVA_STATICS

  static constexpr jlong kSeed = 777777777;

  static void staticInit();
  static void main(Ref args);
  static void init(Ref self);
  static void paint(Ref self);
  static void penDown(Ref self, jint x, jint y);
  static void keyDown(Ref self, jint keyCode);
  static void run(Ref self);
};

}  // namespace glimmer
