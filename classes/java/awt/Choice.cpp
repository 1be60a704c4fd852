// java/awt/Choice
#include "java/awt/Choice.h"

#include "de/kawt/impl/Laf.h"
#include "java/awt/Dimension.h"
#include "java/awt/FontMetrics.h"
#include "java/awt/Graphics.h"
#include "java/awt/List.h"
#include "java/awt/Point.h"
#include "java/awt/Toolkit.h"
#include "java/awt/Window.h"
#include "java/awt/event/ItemEvent.h"
#include "java/awt/event/ItemListener.h"

namespace java::awt {

using de::kawt::impl::Laf;
using event::ItemEvent;
using event::ItemListener;

ClassDecl Choice::klass = {
    .name = "java/awt/Choice",
    .super = &Component::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(popup), JAVA_REF(list), JAVA_REF(itemListener)},
    .defaultCtor = &Choice::init,
    .methods = {impl(Component::m_getPreferredSize, &Choice::getPreferredSize),
                impl(Component::m_paint, &Choice::paint),
                impl(Component::m_activate, &Choice::activate)},
    .uses = {&java::awt::Component::klass, &de::kawt::impl::Laf::klass,
             &java::awt::Dimension::klass, &java::awt::FontMetrics::klass,
             &java::awt::Graphics::klass, &java::awt::List::klass, &java::awt::Point::klass,
             &java::awt::Toolkit::klass, &java::awt::Window::klass,
             &java::awt::event::ItemEvent::klass, &java::awt::event::ItemListener::klass},
};

void Choice::init(Ref self) {
  Component::init(self);
  Ref volatile list = jnew<List>();
  List::f(list).choice = self;
  f(self).list = list;
}

// The first item becomes the selection.
void Choice::add(Ref self, Ref item) {
  Ref list = f(nn(self)).list;
  List::add(list, item);
  if (List::f(list).selected < 0) List::f(list).selected = 0;
  Component::repaint(self);
}

void Choice::addItem(Ref self, Ref item) { add(self, item); }
jint Choice::getItemCount(Ref self) { return List::getItemCount(f(nn(self)).list); }
Ref Choice::getItem(Ref self, jint index) { return List::getItem(f(nn(self)).list, index); }
jint Choice::getSelectedIndex(Ref self) { return List::f(f(nn(self)).list).selected; }
Ref Choice::getSelectedItem(Ref self) { return List::getSelectedItem(f(nn(self)).list); }

void Choice::select(Ref self, jint index) {
  if (index < -1 || index >= getItemCount(self)) return;
  List::f(f(self).list).selected = index;
  Component::repaint(self);
}

void Choice::addItemListener(Ref self, Ref l) {
  Component::checkSingleListener(f(nn(self)).itemListener);
  f(self).itemListener = l;
}

void Choice::removeItemListener(Ref self, Ref l) {
  if (f(nn(self)).itemListener == l) f(self).itemListener = nullptr;
}

Ref Choice::getPreferredSize(Ref self) {
  Ref size = vcall(Component::m_getPreferredSize, f(self).list);
  Dimension::f(size).height =
      vcall(FontMetrics::m_getHeight, Component::getFontMetrics(self, Component::f(self).font));
  return size;
}

// The selected item, and a down arrow at the right end that marks the box as a choice.
void Choice::paint(Ref self, Ref g) {
  auto& c = Component::f(self);
  Ref ink = vcall(Graphics::m_getColor, g);
  vcall(Graphics::m_setColor, g, c.background);
  vcall(Graphics::m_fillRect, g, 0, 0, c.width, c.height);
  vcall(Graphics::m_setColor, g, ink);
  Ref laf = Toolkit::getLaf();
  Ref item = getSelectedItem(self);
  if (item) {
    jint h = vcall(FontMetrics::m_getHeight, vcall(Graphics::m_getFontMetrics, g));
    vcall(Laf::m_drawLabel, laf, g, c.background, 1, (c.height - h) / 2,
          vcall(java::lang::Object::m_toString, item), c.hasFocus);
  }
  vcall(Laf::m_drawArrow, laf, g, c.background, c.width - 7, (c.height - 6) / 2, 2, 0);
}

// The list opens in a popup at the choice's left edge, centred on it vertically and kept
// on the screen, with the keyboard cursor on the selection.
void Choice::activate(Ref self, Ref e) {
  Ref list = f(self).list;
  if (!f(self).popup) {
    Ref volatile popup = jnew<Window>(Component::getWindow(self));
    Window::f(popup).popup = 1;
    Container::add(popup, list, lit("Center"));
    f(self).popup = popup;
  }
  Ref popup = f(self).popup;
  if (Component::f(popup).visible) return;
  Ref origin = Component::getLocationOnScreen(self);
  if (!origin) return;  // not showing
  List::f(list).highlighted = List::f(list).selected;
  vcall(Component::m_requestFocus, list);
  Window::pack(popup);
  auto& p = Component::f(popup);
  Ref screen = vcall(Toolkit::m_getScreenSize, Toolkit::getDefaultToolkit());
  jint x = Point::f(origin).x;
  jint y = Point::f(origin).y + Component::f(self).height / 2 - p.height / 2;
  if (x + p.width > Dimension::f(screen).width) x = Dimension::f(screen).width - p.width;
  if (y + p.height > Dimension::f(screen).height) y = Dimension::f(screen).height - p.height;
  Component::setLocation(popup, x < 0 ? 0 : x, y < 0 ? 0 : y);
  vcall(Component::m_setVisible, popup, 1);
}

void Choice::chosen(Ref self, jint index) {
  Ref popup = f(self).popup;
  if (popup && Component::f(popup).visible) vcall(Component::m_setVisible, popup, 0);
  Ref list = f(self).list;
  if (index < 0 || index == List::f(list).selected) return;
  List::f(list).selected = index;
  Component::repaint(self);
  if (Ref l = f(self).itemListener) {
    Ref volatile e = jnew<ItemEvent>(self, ItemEvent::ITEM_STATE_CHANGED,
                                     List::getItem(list, index), ItemEvent::SELECTED);
    icall(ItemListener::m_itemStateChanged, l, e);
  }
}

}  // namespace java::awt
