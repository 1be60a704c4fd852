// java/awt/event/WindowListener
#pragma once
#include "java/lang/Object.h"

namespace java::awt::event {

// An implementing class names these slots in its method list.
struct WindowListener {
  static ClassDecl klass;
  static inline Method<void(Ref, Ref)> m_windowOpened{"windowOpened(Ljava/awt/event/WindowEvent;)",
                                                      &klass};
  static inline Method<void(Ref, Ref)> m_windowClosing{
      "windowClosing(Ljava/awt/event/WindowEvent;)", &klass};
  static inline Method<void(Ref, Ref)> m_windowClosed{"windowClosed(Ljava/awt/event/WindowEvent;)",
                                                      &klass};
  static inline Method<void(Ref, Ref)> m_windowIconified{
      "windowIconified(Ljava/awt/event/WindowEvent;)", &klass};
  static inline Method<void(Ref, Ref)> m_windowDeiconified{
      "windowDeiconified(Ljava/awt/event/WindowEvent;)", &klass};
  static inline Method<void(Ref, Ref)> m_windowActivated{
      "windowActivated(Ljava/awt/event/WindowEvent;)", &klass};
  static inline Method<void(Ref, Ref)> m_windowDeactivated{
      "windowDeactivated(Ljava/awt/event/WindowEvent;)", &klass};
};

}  // namespace java::awt::event
