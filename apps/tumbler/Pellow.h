// Pellow: the cartoon character that walks, hops, waves and leaves.
#pragma once
#include "AnimChar.h"

namespace tumbler {

struct Pellow {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint oldX, oldY;  // position before the last step
    jint x, y;        // top-left corner of the 16 x 24 picture
    jint dx, dy;      // step a tick
    jint timer;       // ticks left in the state
    jbool visible;    // placed and not yet erased for good
  };
  JAVA_FIELDS(AnimChar)
  struct Statics {
    Ref frames;  // com/sun/kjava/Bitmap[8]
    Ref DX;      // int[6]
    Ref DY;      // int[6]
  };
  JAVA_STATICS

  enum : jint { FINISHED = 0, STANDING = 1, HOPPING = 2, WALKING = 3, LEAVING = 4, WAVING = 5 };
  static constexpr jint kWidth = 16;
  static constexpr jint kHeight = 24;

  static void staticInit();
  static void init(Ref self);
  static void setManager(Ref self, Ref manager);
  static void setState(Ref self, jint state);
  static void update(Ref self);
  static void paint(Ref self, Ref g);
  static void bye(Ref self);
  static void randomDirection(Ref self);
};

}  // namespace tumbler
