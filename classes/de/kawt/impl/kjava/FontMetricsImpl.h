// de/kawt/impl/kjava/FontMetricsImpl
#pragma once
#include "java/awt/FontMetrics.h"

namespace de::kawt::impl::kjava {

// Every font measures alike: the host's one font, 12 pixels high with ascent 10.
struct FontMetricsImpl {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::awt::FontMetrics)
  struct Statics {
    Ref defaultMetrics;  // for ("plain", 0, 8)
  };
  JAVA_STATICS

  static constexpr jint HEIGHT = 12;
  static constexpr jint ASCENT = 10;
  static constexpr jint DESCENT = 2;

  static void staticInit();
  static void init(Ref self, Ref font);
  static Ref defaultMetrics();
  static jint stringWidth(Ref self, Ref s);
  static jint getHeight(Ref self);
  static jint getAscent(Ref self);
  static jint getDescent(Ref self);
};

}  // namespace de::kawt::impl::kjava
