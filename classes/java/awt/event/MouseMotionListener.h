// java/awt/event/MouseMotionListener
#pragma once
#include "java/lang/Object.h"

namespace java::awt::event {

// An implementing class names these slots in its method list.
struct MouseMotionListener {
  static ClassDecl klass;
  static inline Method<void(Ref, Ref)> m_mouseDragged{"mouseDragged(Ljava/awt/event/MouseEvent;)",
                                                      &klass};
  static inline Method<void(Ref, Ref)> m_mouseMoved{"mouseMoved(Ljava/awt/event/MouseEvent;)",
                                                    &klass};
};

}  // namespace java::awt::event
