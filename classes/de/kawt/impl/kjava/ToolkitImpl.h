// de/kawt/impl/kjava/ToolkitImpl
#pragma once
#include "java/awt/Toolkit.h"

namespace de::kawt::impl::kjava {

struct ToolkitImpl {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::awt::Toolkit)
  struct Statics {
    Ref spotlet;  // de/kawt/impl/kjava/SpotletImpl
  };
  JAVA_STATICS

  static void staticInit();
  static void init(Ref self);
  static void beep(Ref self);
  static Ref getScreenSize(Ref self);
  static Ref getFontMetrics(Ref self, Ref font);
  static Ref createImage(Ref self, Ref data);
};

}  // namespace de::kawt::impl::kjava
