// java/awt/event/WindowAdapter
#pragma once
#include "java/awt/event/WindowListener.h"

namespace java::awt::event {

// Window events are never generated here; subclasses exist for the application's sake.
struct WindowAdapter {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::lang::Object)

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

  static void init(Ref self);
  static void ignore(Ref self, Ref e);
};

}  // namespace java::awt::event
