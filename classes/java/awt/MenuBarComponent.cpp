// java/awt/MenuBarComponent
#include "java/awt/MenuBarComponent.h"

#include "java/awt/Dimension.h"
#include "java/awt/FontMetrics.h"
#include "java/awt/Graphics.h"
#include "java/awt/Menu.h"
#include "java/awt/MenuBar.h"
#include "java/awt/Toolkit.h"
#include "java/awt/event/KeyEvent.h"
#include "java/awt/event/MouseEvent.h"

namespace java::awt {

using event::KeyEvent;
using event::MouseEvent;

ClassDecl MenuBarComponent::klass = {
    .name = "java/awt/MenuBarComponent",
    .super = &Component::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(menuBar), JAVA_REF(openMenu), JAVA_REF(titleX)},
    .methods = {impl(Component::m_getPreferredSize, &MenuBarComponent::getPreferredSize),
                impl(Component::m_paint, &MenuBarComponent::paint),
                impl(Component::m_dispatchKeyEvent, &MenuBarComponent::dispatchKeyEvent),
                impl(Component::m_dispatchMouseEvent, &MenuBarComponent::dispatchMouseEvent)},
    .uses = {&java::awt::Component::klass, &java::awt::Dimension::klass,
             &java::awt::FontMetrics::klass, &java::awt::Graphics::klass, &java::awt::Menu::klass,
             &java::awt::MenuBar::klass, &java::awt::Toolkit::klass,
             &java::awt::event::KeyEvent::klass, &java::awt::event::MouseEvent::klass},
};

void MenuBarComponent::init(Ref self, Ref menuBar) {
  Component::init(self);
  f(self).menuBar = menuBar;
  f(self).selectedMenu = -1;
}

Ref MenuBarComponent::getPreferredSize(Ref self) {
  Ref screen = vcall(Toolkit::m_getScreenSize, Toolkit::getDefaultToolkit());
  jint h = vcall(FontMetrics::m_getHeight, Toolkit::getDefaultFontMetrics());
  return jnew<Dimension>(Dimension::f(screen).width, h + 3);
}

// The title slots from x 5, each its text's width + 10: left edges, then the last's end.
// The array is made again only when the number of menus changed.
static jchar* title_x(Ref self) {
  Ref bar = MenuBarComponent::f(self).menuBar;
  jint n = MenuBar::getMenuCount(bar);
  Ref xs = MenuBarComponent::f(self).titleX;
  if (!xs || alen(xs) != n + 1) {
    xs = new_char_array(n + 1);
    MenuBarComponent::f(self).titleX = xs;
  }
  jchar* x = elements<jchar>(xs);
  Ref fm = Toolkit::getDefaultFontMetrics();
  x[0] = MenuBarComponent::FIRST_X;
  for (jint i = 0; i < n; i++) {
    Ref label = MenuItem::f(MenuBar::getMenu(bar, i)).label;
    x[i + 1] = static_cast<jchar>(x[i] + vcall(FontMetrics::m_stringWidth, fm, label) +
                                  MenuBarComponent::SLOT_MARGIN);
  }
  return x;
}

// A one-pixel frame with cut corners, a shadow along the right and bottom edges, and the
// titles; the selected one white on black.
void MenuBarComponent::paint(Ref self, Ref g) {
  auto& c = Component::f(self);
  jint w = c.width, h = c.height;
  Ref ink = vcall(Graphics::m_getColor, g);
  vcall(Graphics::m_setColor, g, c.background);
  vcall(Graphics::m_fillRect, g, 0, 0, w, h);
  vcall(Graphics::m_setColor, g, ink);
  vcall(Graphics::m_drawLine, g, 1, 0, w - 3, 0);
  vcall(Graphics::m_drawLine, g, 0, 1, 0, h - 3);
  vcall(Graphics::m_drawLine, g, 1, h - 2, w - 3, h - 2);
  vcall(Graphics::m_drawLine, g, w - 2, 1, w - 2, h - 3);
  vcall(Graphics::m_drawLine, g, 2, h - 1, w - 1, h - 1);
  vcall(Graphics::m_drawLine, g, w - 1, 2, w - 1, h - 1);
  jint ascent = vcall(FontMetrics::m_getAscent, vcall(Graphics::m_getFontMetrics, g));
  Ref bar = f(self).menuBar;
  jchar* x = title_x(self);
  for (jint i = 0; i < MenuBar::getMenuCount(bar); i++) {
    Ref label = MenuItem::f(MenuBar::getMenu(bar, i)).label;
    bool selected = i == f(self).selectedMenu;
    if (selected) vcall(Graphics::m_fillRect, g, x[i], 1, x[i + 1] - x[i], h - 3);
    vcall(Graphics::m_setColor, g, selected ? c.background : ink);
    vcall(Graphics::m_drawString, g, label, x[i] + SLOT_MARGIN / 2, 1 + ascent);
    vcall(Graphics::m_setColor, g, ink);
  }
}

static void redraw(Ref self) {
  if (Ref g = Component::getGraphics(self)) MenuBarComponent::paint(self, g);
}

// Opens menu `index` under its title, closing another that is open; -1 closes the open
// one and opens nothing.
void MenuBarComponent::selectMenu(Ref self, jint index, jbool byKey) {
  if (index != f(self).selectedMenu) {
    f(self).selectedMenu = index;
    redraw(self);
  }
  Ref open = f(self).openMenu;
  Ref menu = index < 0 ? nullptr : MenuBar::getMenu(f(self).menuBar, index);
  if (open && open != menu) Menu::close(open);
  f(self).openMenu = menu;
  if (!menu) return;
  jchar* x = title_x(self);
  Menu::open(menu, x[index], Component::f(self).height, byKey);
}

// 10 and 30 open the selected menu; 37 and 38 select the title before (the last one from
// the first), 39 and 40 the one after (the first one from the last).
void MenuBarComponent::dispatchKeyEvent(Ref self, Ref e) {
  Component::dispatchKeyEvent(self, e);
  if (AWTEvent::getID(e) != KeyEvent::KEY_PRESSED || AWTEvent::isConsumed(e)) return;
  jint n = MenuBar::getMenuCount(f(self).menuBar), i = f(self).selectedMenu;
  switch (KeyEvent::getKeyCode(e)) {
    case KeyEvent::VK_ENTER:
    case KeyEvent::VK_ACCEPT:
      AWTEvent::consume(e);
      if (i >= 0) selectMenu(self, i, 1);
      return;
    case KeyEvent::VK_LEFT:
    case KeyEvent::VK_UP:
      f(self).selectedMenu = i <= 0 ? n - 1 : i - 1;
      break;
    case KeyEvent::VK_RIGHT:
    case KeyEvent::VK_DOWN:
      f(self).selectedMenu = i + 1 >= n ? 0 : i + 1;
      break;
    default:
      return;
  }
  AWTEvent::consume(e);
  Component::repaint(self);
}

// The listeners get the event as on any component; a press does not activate.
static void to_listeners(Ref self, Ref e) {
  jlong mask = Component::f(self).eventMask;
  jlong bit = AWTEvent::getID(e) == MouseEvent::MOUSE_DRAGGED ? Component::MOUSE_MOTION_EVENT_MASK
                                                              : Component::MOUSE_EVENT_MASK;
  if (mask & bit) vcall(Component::m_processEvent, self, e);
}

// The pen selects by x alone, so a drag down out of the strip keeps its title.
void MenuBarComponent::dispatchMouseEvent(Ref self, Ref e) {
  to_listeners(self, e);
  jint id = AWTEvent::getID(e);
  if (AWTEvent::isConsumed(e) ||
      (id != MouseEvent::MOUSE_PRESSED && id != MouseEvent::MOUSE_DRAGGED))
    return;
  jint px = MouseEvent::getX(e), n = MenuBar::getMenuCount(f(self).menuBar), hit = -1;
  jchar* x = title_x(self);
  for (jint i = 0; i < n && hit < 0; i++)
    if (px >= x[i] && px < x[i + 1]) hit = i;
  selectMenu(self, hit, 0);
}

}  // namespace java::awt
