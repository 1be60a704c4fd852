// java/awt/event/WindowAdapter
#pragma once
#include "java/awt/event/WindowListener.h"

namespace java::awt::event {

// Window events are never generated here; subclasses exist for the application's sake.
struct WindowAdapter {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::lang::Object)

  static void init(Ref self);
  static void ignore(Ref self, Ref e);
};

}  // namespace java::awt::event
