// java/awt/image/ColorModel
#pragma once
#include "java/lang/Object.h"

namespace java::awt::image {

struct ColorModel {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint pixelSize;  // bits per pixel
  };
  JAVA_FIELDS(java::lang::Object)

  static inline Method<jint(Ref)> m_getPixelSize{"getPixelSize()", &klass};

  static void init(Ref self, jint bits);
  static jint getPixelSize(Ref self);
};

}  // namespace java::awt::image
