// java/awt/Color
#pragma once
#include "java/lang/Object.h"

namespace java::awt {

struct Color {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint value;  // 0xRRGGBB
  };
  JAVA_FIELDS(java::lang::Object)
  struct Statics {
    Ref white, lightGray, gray, darkGray, black, red, pink, orange, yellow, green, magenta, cyan,
        blue;
  };
  JAVA_STATICS

  static void staticInit();
  static void init(Ref self, jint rgb);
  static void init(Ref self, jint r, jint g, jint b);
  static jint getRed(Ref self);
  static jint getGreen(Ref self);
  static jint getBlue(Ref self);
  static jint getRGB(Ref self);
  static jint hashCode(Ref self);
  static jbool equals(Ref self, Ref obj);
};

}  // namespace java::awt
