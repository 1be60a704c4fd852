// java/awt/event/MouseMotionListener
#pragma once
#include "java/lang/Object.h"

namespace java::awt::event {

struct MouseMotionListener {
  static ClassDecl klass;
  static inline Method<void(Ref, Ref)> m_mouseDragged{"mouseDragged(Ljava/awt/event/MouseEvent;)",
                                                      &klass};
  static inline Method<void(Ref, Ref)> m_mouseMoved{"mouseMoved(Ljava/awt/event/MouseEvent;)",
                                                    &klass};
};

}  // namespace java::awt::event
