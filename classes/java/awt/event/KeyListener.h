// java/awt/event/KeyListener
#pragma once
#include "java/lang/Object.h"

namespace java::awt::event {

// An implementing class names these slots in its method list.
struct KeyListener {
  static ClassDecl klass;
  static inline Method<void(Ref, Ref)> m_keyTyped{"keyTyped(Ljava/awt/event/KeyEvent;)", &klass};
  static inline Method<void(Ref, Ref)> m_keyPressed{"keyPressed(Ljava/awt/event/KeyEvent;)",
                                                    &klass};
  static inline Method<void(Ref, Ref)> m_keyReleased{"keyReleased(Ljava/awt/event/KeyEvent;)",
                                                     &klass};
};

}  // namespace java::awt::event
