// java/awt/Component
#include "java/awt/Component.h"

#include "java/awt/Color.h"
#include "java/awt/Container.h"
#include "java/awt/Dimension.h"
#include "java/awt/FontMetrics.h"
#include "java/awt/Graphics.h"
#include "java/awt/Point.h"
#include "java/awt/Rectangle.h"
#include "java/awt/TooManyListenersException.h"
#include "java/awt/Toolkit.h"
#include "java/awt/Window.h"
#include "java/awt/event/FocusEvent.h"
#include "java/awt/event/KeyEvent.h"
#include "java/awt/event/KeyListener.h"
#include "java/awt/event/MouseEvent.h"
#include "java/awt/event/MouseListener.h"
#include "java/awt/event/MouseMotionListener.h"

namespace java::awt {

using event::KeyEvent;
using event::MouseEvent;

ClassDecl Component::klass = {
    .name = "java/awt/Component",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(parent), JAVA_REF(mouseListener), JAVA_REF(mouseMotionListener),
                   JAVA_REF(keyListener), JAVA_REF(font), JAVA_REF(background),
                   JAVA_REF(foreground)},
    .defaultCtor = &Component::init,
    .methods = {impl(m_paint, &Component::paint),
                impl(m_update, &Component::update),
                impl(m_paintAll, &Component::paintAll),
                impl(m_getPreferredSize, &Component::getPreferredSize),
                impl(m_getMinimumSize, &Component::getMinimumSize),
                impl(m_setBounds, &Component::setBounds),
                impl(m_validate, &Component::validate),
                impl(m_invalidate, &Component::invalidate),
                impl(m_dispatchMouseEvent, &Component::dispatchMouseEvent),
                impl(m_dispatchKeyEvent, &Component::dispatchKeyEvent),
                impl(m_processEvent, &Component::processEvent),
                impl(m_activate, &Component::activate),
                impl(m_requestFocus, &Component::requestFocus),
                impl(m_isFocusTraversable, &Component::isFocusTraversable),
                impl(m_addNotify, &Component::addNotify),
                impl(m_getComponentAt, &Component::getComponentAt),
                impl(m_contains, &Component::contains),
                impl(m_setVisible, &Component::setVisible),
                impl(m_setFont, &Component::setFont),
                impl(m_setForeground, &Component::setForeground),
                impl(m_setBackground, &Component::setBackground),
                impl(m_setEnabled, &Component::setEnabled)},
    .uses = {&java::lang::Object::klass, &java::awt::Color::klass, &java::awt::Container::klass,
             &java::awt::Dimension::klass, &java::awt::FontMetrics::klass,
             &java::awt::Graphics::klass, &java::awt::Point::klass, &java::awt::Rectangle::klass,
             &java::awt::Toolkit::klass, &java::awt::Window::klass,
             &java::awt::event::FocusEvent::klass, &java::awt::event::KeyEvent::klass,
             &java::awt::event::KeyListener::klass, &java::awt::event::MouseEvent::klass,
             &java::awt::event::MouseListener::klass,
             &java::awt::event::MouseMotionListener::klass},
};

void Component::init(Ref self) {
  java::lang::Object::init(self);
  Ref volatile keep = self;
  auto& c = f(self);
  c.enabled = 1;
  c.visible = 1;
  c.font = FontMetrics::getFont(Toolkit::getDefaultFontMetrics());
  clinit<Color>();
  f(keep).background = Color::S().white;
  f(keep).foreground = Color::S().black;
}

void Component::checkSingleListener(Ref existing) {
  if (existing)
    jthrow(jnew<TooManyListenersException>(
        lit("kawt supports only one listener of each type per Component!")));
}

Ref Component::getParent(Ref self) { return f(nn(self)).parent; }

Ref Component::getBounds(Ref self) {
  auto& c = f(nn(self));
  return jnew<Rectangle>(c.x, c.y, c.width, c.height);
}

void Component::setBounds(Ref self, jint x, jint y, jint width, jint height) {
  auto& c = f(nn(self));
  if (c.x == x && c.y == y && c.width == width && c.height == height) return;
  repaint(self);
  c.x = x;
  c.y = y;
  c.width = width;
  c.height = height;
  vcall(m_invalidate, self);
  repaint(self);
}

void Component::setLocation(Ref self, jint x, jint y) {
  vcall(m_setBounds, nn(self), x, y, f(self).width, f(self).height);
}

void Component::setSize(Ref self, jint width, jint height) {
  vcall(m_setBounds, nn(self), f(self).x, f(self).y, width, height);
}

void Component::setSizeOf(Ref self, Ref d) {
  setSize(self, Dimension::f(nn(d)).width, Dimension::f(d).height);
}

Ref Component::getLocation(Ref self) { return jnew<Point>(f(nn(self)).x, f(self).y); }

Ref Component::getSize(Ref self) { return jnew<Dimension>(f(nn(self)).width, f(self).height); }

Ref Component::getLocationOnScreen(Ref self) {
  jint x = 0;
  jint y = 0;
  Ref c = nn(self);
  for (;;) {
    x += f(c).x;
    y += f(c).y;
    if (!f(c).parent) break;
    c = f(c).parent;
    if (!f(c).visible) return nullptr;
  }
  if (! instanceof <Window>(c)) return nullptr;
  return jnew<Point>(x, y);
}

Ref Component::getPreferredSize(Ref self) { return getSize(self); }

Ref Component::getMinimumSize(Ref self) { return vcall(m_getPreferredSize, nn(self)); }

// Both far edges count as inside.
jbool Component::contains(Ref self, jint x, jint y) {
  auto& c = f(nn(self));
  return x >= 0 && x <= c.width && y >= 0 && y <= c.height;
}

Ref Component::getComponentAt(Ref self, jint x, jint y) {
  return f(nn(self)).visible && vcall(m_contains, self, x, y) ? self : nullptr;
}

jbool Component::isVisible(Ref self) { return f(nn(self)).visible; }

jbool Component::isShowing(Ref self) {
  for (Ref c = nn(self); c; c = f(c).parent)
    if (!f(c).visible) return 0;
  return 1;
}

jbool Component::isEnabled(Ref self) { return f(nn(self)).enabled; }

jbool Component::isValid(Ref self) { return f(nn(self)).valid; }

jbool Component::hasFocus(Ref self) { return f(nn(self)).hasFocus; }

void Component::setVisible(Ref self, jbool visible) {
  if (f(nn(self)).visible == (visible ? 1 : 0)) return;
  f(self).visible = visible ? 1 : 0;
  vcall(m_invalidate, self);
  repaint(self);
}

void Component::show(Ref self) { vcall(m_setVisible, nn(self), 1); }

void Component::hide(Ref self) { vcall(m_setVisible, nn(self), 0); }

void Component::setEnabled(Ref self, jbool enabled) {
  f(nn(self)).enabled = enabled ? 1 : 0;
  repaint(self);
}

void Component::invalidate(Ref self) {
  for (Ref c = nn(self); c; c = f(c).parent) f(c).valid = 0;
}

void Component::validate(Ref self) { f(nn(self)).valid = 1; }

void Component::addNotify(Ref self) {
  auto& c = f(nn(self));
  if (!c.parent) return;
  auto& p = f(c.parent);
  if (!(c.explicitlySet & SET_FOREGROUND)) c.foreground = p.foreground;
  if (!(c.explicitlySet & SET_BACKGROUND)) c.background = p.background;
  if (!(c.explicitlySet & SET_FONT)) c.font = p.font;
}

Ref Component::getFont(Ref self) { return f(nn(self)).font; }

void Component::setFont(Ref self, Ref font) {
  f(nn(self)).font = font;
  f(self).explicitlySet |= SET_FONT;
}

Ref Component::getForeground(Ref self) { return f(nn(self)).foreground; }

void Component::setForeground(Ref self, Ref color) {
  f(nn(self)).foreground = color;
  f(self).explicitlySet |= SET_FOREGROUND;
}

Ref Component::getBackground(Ref self) { return f(nn(self)).background; }

void Component::setBackground(Ref self, Ref color) {
  f(nn(self)).background = color;
  f(self).explicitlySet |= SET_BACKGROUND;
}

// Scroll viewports of the enclosing containers clip it, outermost first.
Ref Component::getGraphics(Ref self) {
  constexpr int kMaxDepth = 32;
  Ref chain[kMaxDepth];
  int depth = 0;
  for (Ref c = nn(self); c; c = f(c).parent) {
    if (!f(c).visible || depth == kMaxDepth) return nullptr;
    chain[depth++] = c;
  }
  Ref window = chain[depth - 1];
  if (window != Toolkit::getTopWindow()) return nullptr;
  Ref volatile g = Toolkit::createGraphics();
  for (int i = depth - 1; i > 0; i--) {
    vcall(Graphics::m_translate, g, f(chain[i]).x, f(chain[i]).y);
    vcall(Container::m_clipToViewport, chain[i], g);
  }
  vcall(Graphics::m_translate, g, f(self).x, f(self).y);
  vcall(Graphics::m_clipRect, g, 0, 0, f(self).width, f(self).height);
  vcall(Graphics::m_setColor, g, f(self).foreground);
  return g;
}

Ref Component::getFontMetrics(Ref self, Ref font) {
  return vcall(Toolkit::m_getFontMetrics, getToolkit(self), font);
}

Ref Component::getToolkit(Ref) { return Toolkit::getDefaultToolkit(); }

Ref Component::getWindow(Ref self) {
  Ref c = nn(self);
  while (c && ! instanceof <Window>(c)) c = f(c).parent;
  return c;
}

void Component::paint(Ref, Ref) {}

void Component::paintAll(Ref self, Ref g) {
  if (!f(nn(self)).visible || !g) return;
  vcall(Graphics::m_setColor, g, f(self).foreground);
  vcall(m_paint, self, g);
}

void Component::update(Ref self, Ref g) {
  vcall(Graphics::m_setColor, nn(g), f(nn(self)).background);
  vcall(Graphics::m_fillRect, g, 0, 0, f(self).width, f(self).height);
  vcall(m_paintAll, self, g);
}

void Component::repaint(Ref self) { repaint(self, 0, 0, f(nn(self)).width, f(self).height); }

// The rectangle, cut to the component, goes to its window's damage in window coordinates.
void Component::repaint(Ref self, jint x, jint y, jint width, jint height) {
  auto& c = f(nn(self));
  if (x < 0) width += x, x = 0;
  if (y < 0) height += y, y = 0;
  if (x + width > c.width) width = c.width - x;
  if (y + height > c.height) height = c.height - y;
  if (width <= 0 || height <= 0) return;
  Ref w = self;
  while (f(w).parent) {
    x += f(w).x;
    y += f(w).y;
    w = f(w).parent;
    if (!f(w).visible) return;
  }
  if (! instanceof <Window>(w)) return;
  Window::addDamage(w, jnew<Rectangle>(x, y, width, height));
}

void Component::requestFocus(Ref self) {
  Ref w = getWindow(self);
  if (w) Window::setFocusOwner(w, self);
}

jbool Component::isFocusTraversable(Ref) { return 1; }

void Component::addMouseListener(Ref self, Ref l) {
  checkSingleListener(f(nn(self)).mouseListener);
  f(self).mouseListener = l;
  f(self).eventMask |= MOUSE_EVENT_MASK;
}

void Component::addMouseMotionListener(Ref self, Ref l) {
  checkSingleListener(f(nn(self)).mouseMotionListener);
  f(self).mouseMotionListener = l;
  f(self).eventMask |= MOUSE_MOTION_EVENT_MASK;
}

void Component::addKeyListener(Ref self, Ref l) {
  checkSingleListener(f(nn(self)).keyListener);
  f(self).keyListener = l;
  f(self).eventMask |= KEY_EVENT_MASK;
}

void Component::removeMouseListener(Ref self, Ref l) {
  if (f(nn(self)).mouseListener == l) f(self).mouseListener = nullptr;
}

void Component::removeMouseMotionListener(Ref self, Ref l) {
  if (f(nn(self)).mouseMotionListener == l) f(self).mouseMotionListener = nullptr;
}

void Component::removeKeyListener(Ref self, Ref l) {
  if (f(nn(self)).keyListener == l) f(self).keyListener = nullptr;
}

void Component::enableEvents(Ref self, jlong mask) { f(nn(self)).eventMask |= mask; }

void Component::dispatchMouseEvent(Ref self, Ref e) {
  jint id = AWTEvent::getID(e);
  jlong mask = f(nn(self)).eventMask;
  if (id == MouseEvent::MOUSE_DRAGGED ? (mask & MOUSE_MOTION_EVENT_MASK)
                                      : (mask & MOUSE_EVENT_MASK))
    vcall(m_processEvent, self, e);
  if (id == MouseEvent::MOUSE_PRESSED && !AWTEvent::isConsumed(e)) vcall(m_activate, self, e);
}

void Component::dispatchKeyEvent(Ref self, Ref e) {
  if (instanceof <KeyEvent>(nn(e))) vcall(m_processEvent, nn(self), e);
}

void Component::processEvent(Ref self, Ref e) {
  if (instanceof <KeyEvent>(nn(e))) {
    processKeyEvent(self, e);
  } else if (instanceof <MouseEvent>(e)) {
    if (AWTEvent::getID(e) == MouseEvent::MOUSE_DRAGGED) {
      processMouseMotionEvent(self, e);
    } else {
      processMouseEvent(self, e);
    }
  } else if (instanceof <event::FocusEvent>(e)) {
    processFocusEvent(self, e);
  }
}

void Component::processMouseEvent(Ref self, Ref e) {
  using event::MouseListener;
  Ref l = f(nn(self)).mouseListener;
  if (!l) return;
  switch (AWTEvent::getID(e)) {
    case MouseEvent::MOUSE_CLICKED:
      icall(MouseListener::m_mouseClicked, l, e);
      break;
    case MouseEvent::MOUSE_PRESSED:
      icall(MouseListener::m_mousePressed, l, e);
      break;
    case MouseEvent::MOUSE_RELEASED:
      icall(MouseListener::m_mouseReleased, l, e);
      break;
  }
}

void Component::processMouseMotionEvent(Ref self, Ref e) {
  Ref l = f(nn(self)).mouseMotionListener;
  if (l && AWTEvent::getID(e) == MouseEvent::MOUSE_DRAGGED)
    icall(event::MouseMotionListener::m_mouseDragged, l, e);
}

void Component::processKeyEvent(Ref self, Ref e) {
  using event::KeyListener;
  Ref l = f(nn(self)).keyListener;
  if (!l) return;
  switch (AWTEvent::getID(e)) {
    case KeyEvent::KEY_TYPED:
      icall(KeyListener::m_keyTyped, l, e);
      break;
    case KeyEvent::KEY_PRESSED:
      icall(KeyListener::m_keyPressed, l, e);
      break;
    case KeyEvent::KEY_RELEASED:
      icall(KeyListener::m_keyReleased, l, e);
      break;
  }
}

// No focus listeners here: a subclass that enables focus events overrides processEvent.
void Component::processFocusEvent(Ref, Ref) {}

void Component::activate(Ref, Ref) {}

}  // namespace java::awt
