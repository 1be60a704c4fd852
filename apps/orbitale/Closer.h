// Closer: the frame's window listener; the device has no window to close.
#pragma once
#include "java/awt/event/WindowAdapter.h"

namespace orbitale {

struct Closer {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::awt::event::WindowAdapter)

  static void init(Ref self);
};

}  // namespace orbitale
