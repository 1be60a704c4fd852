// java/awt/Font
#pragma once
#include "java/lang/Object.h"

namespace java::awt {

// Only the style is kept: every font measures alike on this device.
struct Font {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint style;
  };
  JAVA_FIELDS(java::lang::Object)
  struct Statics {
    Ref plain;  // ("plain", 0, 8)
  };
  JAVA_STATICS

  static constexpr jint PLAIN = 0;
  static constexpr jint BOLD = 1;

  static void staticInit();
  static void init(Ref self, Ref name, jint style, jint size);
  static jint getStyle(Ref self);
};

}  // namespace java::awt
