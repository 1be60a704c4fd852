// java/awt/Button
#include "java/awt/Button.h"

#include "de/kawt/impl/Laf.h"
#include "java/awt/Graphics.h"
#include "java/awt/Toolkit.h"
#include "java/awt/event/ActionEvent.h"
#include "java/awt/event/ActionListener.h"
#include "java/awt/event/MouseEvent.h"

namespace java::awt {

using de::kawt::impl::Laf;
using event::ActionEvent;
using event::ActionListener;
using event::MouseEvent;

ClassDecl Button::klass = {
    .name = "java/awt/Button",
    .super = &Component::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(actionListener), JAVA_REF(label), JAVA_REF(actionCommand)},
    .defaultCtor = static_cast<void (*)(Ref)>(&Button::init),
    .methods = {impl(Component::m_getPreferredSize, &Button::getPreferredSize),
                impl(Component::m_paint, &Button::paint),
                impl(Component::m_dispatchMouseEvent, &Button::dispatchMouseEvent),
                impl(Component::m_activate, &Button::activate)},
    .uses = {&java::awt::Component::klass, &de::kawt::impl::Laf::klass, &java::awt::Graphics::klass,
             &java::awt::Toolkit::klass, &java::awt::event::ActionEvent::klass,
             &java::awt::event::ActionListener::klass, &java::awt::event::MouseEvent::klass},
};

void Button::init(Ref self) { init(self, lit("")); }

void Button::init(Ref self, Ref label) {
  Component::init(self);
  f(self).label = label;
}

Ref Button::getLabel(Ref self) { return f(nn(self)).label; }

void Button::setLabel(Ref self, Ref label) {
  f(nn(self)).label = label;
  Component::repaint(self);
}

void Button::setActionCommand(Ref self, Ref command) { f(nn(self)).actionCommand = command; }

Ref Button::getActionCommand(Ref self) {
  Ref command = f(nn(self)).actionCommand;
  return command ? command : f(self).label;
}

void Button::addActionListener(Ref self, Ref l) {
  Component::checkSingleListener(f(nn(self)).actionListener);
  f(self).actionListener = l;
}

void Button::removeActionListener(Ref self, Ref l) {
  if (f(nn(self)).actionListener == l) f(self).actionListener = nullptr;
}

Ref Button::getPreferredSize(Ref self) {
  Ref metrics = Component::getFontMetrics(self, Component::f(self).font);
  return vcall(Laf::m_buttonSize, Toolkit::getLaf(), metrics, f(self).label);
}

void Button::paint(Ref self, Ref g) {
  auto& c = Component::f(self);
  vcall(Laf::m_paintButton, Toolkit::getLaf(), g, c.background, c.width, c.height, f(self).label,
        c.hasFocus, f(self).pressed);
}

// The mouse and motion listeners get the event as on any component, but a press does not
// activate: a button fires only when the pen is lifted over it.
static void to_listeners(Ref self, Ref e) {
  jlong mask = Component::f(self).eventMask;
  jlong bit = AWTEvent::getID(e) == MouseEvent::MOUSE_DRAGGED ? Component::MOUSE_MOTION_EVENT_MASK
                                                              : Component::MOUSE_EVENT_MASK;
  if (mask & bit) vcall(Component::m_processEvent, self, e);
}

void Button::dispatchMouseEvent(Ref self, Ref e) {
  to_listeners(self, e);
  if (AWTEvent::isConsumed(e)) return;
  auto& c = Component::f(self);
  jint x = MouseEvent::getX(e), y = MouseEvent::getY(e), id = AWTEvent::getID(e);
  bool inside = x >= 0 && x <= c.width && y >= 0 && y <= c.height;
  jbool pressed = inside && (id == MouseEvent::MOUSE_PRESSED || id == MouseEvent::MOUSE_DRAGGED);
  if (pressed != f(self).pressed) {
    f(self).pressed = pressed;
    if (Ref g = Component::getGraphics(self)) paint(self, g);
  }
  if (inside && id == MouseEvent::MOUSE_RELEASED) vcall(Component::m_activate, self, e);
}

void Button::activate(Ref self, Ref e) {
  Ref l = f(self).actionListener;
  if (!l) return;
  Ref volatile action =
      jnew<ActionEvent>(self, ActionEvent::ACTION_PERFORMED, getActionCommand(self));
  icall(ActionListener::m_actionPerformed, l, action);
}

}  // namespace java::awt
