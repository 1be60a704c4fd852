// java/awt/FontMetrics
#pragma once
#include "java/lang/Object.h"

namespace java::awt {

struct FontMetrics {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref font;
  };
  JAVA_FIELDS(java::lang::Object)

  static inline Method<jint(Ref, Ref)> m_stringWidth{"stringWidth(Ljava/lang/String;)", &klass};
  static inline Method<jint(Ref)> m_getHeight{"getHeight()", &klass};
  static inline Method<jint(Ref)> m_getAscent{"getAscent()", &klass};
  static inline Method<jint(Ref)> m_getDescent{"getDescent()", &klass};

  static void init(Ref self, Ref font);
  static Ref getFont(Ref self);
};

}  // namespace java::awt
