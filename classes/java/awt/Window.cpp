// java/awt/Window
#include "java/awt/Window.h"

#include "java/awt/BorderLayout.h"
#include "java/awt/Dimension.h"
#include "java/awt/Graphics.h"
#include "java/awt/Rectangle.h"
#include "java/awt/Toolkit.h"
#include "java/awt/event/FocusEvent.h"
#include "java/util/Vector.h"

namespace java::awt {

using java::util::Vector;

ClassDecl Window::klass = {
    .name = "java/awt/Window",
    .super = &Container::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(owner), JAVA_REF(focusOwner), JAVA_REF(damage)},
    .methods = {impl(Component::m_setVisible, &Window::setVisible)},
    .uses = {&java::awt::Container::klass, &java::awt::BorderLayout::klass,
             &java::awt::Dimension::klass, &java::awt::Graphics::klass,
             &java::awt::Rectangle::klass, &java::awt::Toolkit::klass,
             &java::awt::event::FocusEvent::klass, &java::util::Vector::klass},
};

// Damage rectangles this close merge into one.
static constexpr jint kMergeDistance = 4;

void Window::init(Ref self, Ref owner) {
  Container::init(self);
  Ref volatile keep = self;
  Component::f(self).visible = 0;
  f(self).owner = owner;
  f(self).focusOwner = self;
  Ref damage = jnew<Vector>();
  f(keep).damage = damage;
  Ref layout = jnew<BorderLayout>();
  Container::f(keep).layoutMgr = layout;
}

Ref Window::getOwner(Ref self) { return f(nn(self)).owner; }

// Repaints what the window covered: from the lowest window below it that covers it
// wholly (else the bottom one) upwards, each window in turn made the top one again.
static void uncover(Ref hidden, jint index) {
  Ref windows = Toolkit::windows();
  auto& h = Component::f(hidden);
  jint from = 0;
  for (jint i = 0; i < index; i++) {
    auto& w = Component::f(Vector::elementAt(windows, i));
    if (w.x <= h.x && w.y <= h.y && w.x + w.width >= h.x + h.width &&
        w.y + w.height >= h.y + h.height) {
      from = i;
      break;
    }
  }
  // Each window from there up is taken out and pushed again, so the order stays the same.
  for (jint n = Vector::size(windows) - from; n > 0; n--) {
    Ref w = Vector::elementAt(windows, from);
    Vector::removeElementAt(windows, from);
    Vector::addElement(windows, w);
    Ref volatile g = Component::getGraphics(w);
    if (!g) continue;
    vcall(Graphics::m_clipRect, g, h.x - Component::f(w).x, h.y - Component::f(w).y, h.width,
          h.height);
    vcall(Component::m_update, w, g);
  }
}

void Window::setVisible(Ref self, jbool visible) {
  Ref windows = Toolkit::windows();
  jint index = Vector::indexOf(windows, nn(self));
  if (visible) {
    if (index >= 0) Vector::removeElementAt(windows, index);
    Vector::addElement(windows, self);
    Component::f(self).visible = 1;
    Component::repaint(self);
    return;
  }
  Component::f(self).visible = 0;
  if (index < 0) return;
  Vector::removeElementAt(windows, index);
  uncover(self, index);
}

void Window::pack(Ref self) {
  Component::setSizeOf(self, vcall(Component::m_getPreferredSize, nn(self)));
  vcall(Component::m_validate, self);
}

void Window::dispose(Ref self) { vcall(Component::m_setVisible, nn(self), 0); }

static bool near(Ref a, Ref b) {
  auto& p = Rectangle::f(a);
  auto& q = Rectangle::f(b);
  return p.x <= q.x + q.width + kMergeDistance && q.x <= p.x + p.width + kMergeDistance &&
         p.y <= q.y + q.height + kMergeDistance && q.y <= p.y + p.height + kMergeDistance;
}

// Each queued rectangle near r takes r in and leaves the queue; the scan starts again from
// the end with the grown rectangle.
void Window::addDamage(Ref self, Ref r) {
  Ref damage = f(nn(self)).damage;
  Ref volatile merged = r;
  for (jint i = Vector::size(damage) - 1; i >= 0; i--) {
    Ref q = Vector::elementAt(damage, i);
    if (!near(q, merged)) continue;
    Rectangle::add(q, merged);
    merged = q;
    Vector::removeElementAt(damage, i);
    i = Vector::size(damage);
  }
  Vector::addElement(damage, merged);
#ifdef PALM_ASSERTS
  for (jint i = 0; i < Vector::size(damage); i++)  // no two queued rectangles near each other
    for (jint j = i + 1; j < Vector::size(damage); j++)
      PALM_ASSERT(!near(Vector::elementAt(damage, i), Vector::elementAt(damage, j)));
#endif
}

// Damage added while painting is painted in the same pass.
void Window::paintDamage(Ref self) {
  Ref damage = f(nn(self)).damage;
  while (Vector::size(damage) > 0) {
    Ref volatile r = Vector::elementAt(damage, 0);
    Vector::removeElementAt(damage, 0);
    Ref volatile g = Component::getGraphics(self);
    if (!g) continue;
    auto& d = Rectangle::f(r);
    vcall(Graphics::m_clipRect, g, d.x, d.y, d.width, d.height);
    vcall(Component::m_update, self, g);
  }
}

Ref Window::getFocusOwner(Ref self) { return f(nn(self)).focusOwner; }

// Painted at once where it can be, else queued.
static void refocus(Ref c, jbool focus) {
  Component::f(c).hasFocus = focus;
  Ref volatile g = Component::getGraphics(c);
  if (g) {
    vcall(Component::m_update, c, g);
  } else {
    Component::repaint(c);
  }
  if (Component::f(c).eventMask & Component::FOCUS_EVENT_MASK) {
    using event::FocusEvent;
    Ref volatile e = jnew<FocusEvent>(c, focus ? FocusEvent::FOCUS_GAINED : FocusEvent::FOCUS_LOST);
    vcall(Component::m_processEvent, c, e);
  }
}

void Window::setFocusOwner(Ref self, Ref c) {
  Ref old = f(nn(self)).focusOwner;
  if (old == c) return;
  f(self).focusOwner = c;
  if (old) refocus(old, 0);
  if (c) refocus(c, 1);
}

// Window events are never generated here, so the listener is not kept.
void Window::addWindowListener(Ref, Ref) {}

void Window::removeWindowListener(Ref, Ref) {}

}  // namespace java::awt
