// java/awt/event/MouseListener
#pragma once
#include "java/lang/Object.h"

namespace java::awt::event {

// An implementing class names these slots in its method list.
struct MouseListener {
  static ClassDecl klass;
  static inline Method<void(Ref, Ref)> m_mouseClicked{"mouseClicked(Ljava/awt/event/MouseEvent;)",
                                                      &klass};
  static inline Method<void(Ref, Ref)> m_mousePressed{"mousePressed(Ljava/awt/event/MouseEvent;)",
                                                      &klass};
  static inline Method<void(Ref, Ref)> m_mouseReleased{"mouseReleased(Ljava/awt/event/MouseEvent;)",
                                                       &klass};
  static inline Method<void(Ref, Ref)> m_mouseEntered{"mouseEntered(Ljava/awt/event/MouseEvent;)",
                                                      &klass};
  static inline Method<void(Ref, Ref)> m_mouseExited{"mouseExited(Ljava/awt/event/MouseEvent;)",
                                                     &klass};
};

}  // namespace java::awt::event
