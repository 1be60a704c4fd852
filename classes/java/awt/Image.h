// java/awt/Image
#pragma once
#include "java/lang/Object.h"

namespace java::awt {

// A picture the toolkit can draw; the platform package supplies the pixels.
struct Image {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::lang::Object)

  static inline Method<jint(Ref, Ref)> m_getWidth{"getWidth(Ljava/awt/image/ImageObserver;)",
                                                  &klass};
  static inline Method<jint(Ref, Ref)> m_getHeight{"getHeight(Ljava/awt/image/ImageObserver;)",
                                                   &klass};

  static void init(Ref self);
};

}  // namespace java::awt
