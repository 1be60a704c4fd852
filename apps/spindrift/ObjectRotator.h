// ObjectRotator: Spindrift's animation thread, drawing frames as fast as it is let.
#pragma once
#include "java/lang/Thread.h"

namespace spindrift {

struct ObjectRotator {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref exitButton;  // repainted every frame
    jbool stopped;
    jint eyeX, eyeY, eyeZ;
    Ref object;           // ThreeDeeObject
    jint rateA, rateB;    // degrees a frame
    jint angleA, angleB;  // never wrapped
  };
  JAVA_FIELDS(java::lang::Thread)
  struct Statics {
    Ref empty;
    Ref hint;
    Ref g;  // com/sun/kjava/Graphics
  };
  JAVA_STATICS

  static void staticInit();
  static void init(Ref self, Ref exitButton);
  static void run(Ref self);
  static void stopRotation(Ref self);
  static void moveBy(Ref self, jint dx, jint dy, jint dz);
  static void turnBy(Ref self, jint dx, jint dy);
};

}  // namespace spindrift
