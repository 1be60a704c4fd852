// de/kawt/impl/kjava/LafImpl
#pragma once
#include "de/kawt/impl/Laf.h"

namespace de::kawt::impl::kjava {

struct LafImpl {
  static ClassDecl klass;
  JAVA_NO_FIELDS(de::kawt::impl::Laf)

  static void init(Ref self);
  static void paintFrame(Ref self, Ref g, jint width, jint height, jint style, Ref title,
                         jbool highlighted);
  static Ref getInsets(Ref self, jint kind);
  static void paintScrollbar(Ref self, Ref g, Ref background, jint w, jint h, jbool vertical,
                             jint thumbPos, jint thumbSize, jint pressedPart, jbool focus);
};

}  // namespace de::kawt::impl::kjava
