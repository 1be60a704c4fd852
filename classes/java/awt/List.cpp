// java/awt/List
#include "java/awt/List.h"

#include "java/awt/Choice.h"
#include "java/awt/Dimension.h"
#include "java/awt/FontMetrics.h"
#include "java/awt/Graphics.h"
#include "java/awt/Insets.h"
#include "java/awt/MenuItem.h"
#include "java/awt/Rectangle.h"
#include "java/awt/ScrollManager.h"
#include "java/awt/Scrollbar.h"
#include "java/awt/Toolkit.h"
#include "java/awt/Window.h"
#include "java/awt/event/ActionEvent.h"
#include "java/awt/event/ActionListener.h"
#include "java/awt/event/ItemEvent.h"
#include "java/awt/event/ItemListener.h"
#include "java/awt/event/KeyEvent.h"
#include "java/awt/event/MouseEvent.h"
#include "java/util/Vector.h"

namespace java::awt {

using event::ActionEvent;
using event::ActionListener;
using event::ItemEvent;
using event::ItemListener;
using event::KeyEvent;
using event::MouseEvent;
using java::util::Vector;

ClassDecl List::klass = {
    .name = "java/awt/List",
    .super = &Component::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(items), JAVA_REF(choice), JAVA_REF(menu), JAVA_REF(scroll),
                   JAVA_REF(itemListener)},
    .defaultCtor = &List::init,
    .methods = {impl(Component::m_getPreferredSize, &List::getPreferredSize),
                impl(Component::m_validate, &List::validate),
                impl(Component::m_paint, &List::paint),
                impl(Component::m_getComponentAt, &List::getComponentAt),
                impl(Component::m_dispatchKeyEvent, &List::dispatchKeyEvent),
                impl(Component::m_dispatchMouseEvent, &List::dispatchMouseEvent)},
    .uses = {&java::awt::Component::klass, &java::awt::Choice::klass, &java::awt::Dimension::klass,
             &java::awt::FontMetrics::klass, &java::awt::Graphics::klass, &java::awt::Insets::klass,
             &java::awt::MenuItem::klass, &java::awt::Rectangle::klass,
             &java::awt::ScrollManager::klass, &java::awt::Scrollbar::klass,
             &java::awt::Toolkit::klass, &java::awt::Window::klass,
             &java::awt::event::ActionEvent::klass, &java::awt::event::ActionListener::klass,
             &java::awt::event::ItemEvent::klass, &java::awt::event::ItemListener::klass,
             &java::awt::event::KeyEvent::klass, &java::awt::event::MouseEvent::klass,
             &java::util::Vector::klass},
};

// Every font measures alike, so the toolkit's default metrics serve without a new object.
static Ref metrics() { return Toolkit::getDefaultFontMetrics(); }
static jint row_height() { return vcall(FontMetrics::m_getHeight, metrics()); }
static Ref text_of(Ref item) { return vcall(java::lang::Object::m_toString, nn(item)); }

void List::init(Ref self) {
  Component::init(self);
  f(self).items = jnew<Vector>();
  f(self).selected = -1;
  f(self).highlighted = -1;
  f(self).scroll = jnew<ScrollManager>(self, BORDER);
}

jint List::getItemCount(Ref self) { return Vector::size(f(nn(self)).items); }
Ref List::getItem(Ref self, jint index) { return Vector::elementAt(f(nn(self)).items, index); }

void List::add(Ref self, Ref item) { add(self, item, -1); }

void List::add(Ref self, Ref item, jint index) {
  Ref items = f(nn(self)).items;
  if (index < 0 || index >= Vector::size(items))
    Vector::addElement(items, item);
  else
    Vector::insertElementAt(items, item, index);
  jint width = vcall(FontMetrics::m_stringWidth, metrics(), text_of(item)) + 7;
  if (width > f(self).itemWidth) f(self).itemWidth = width;
  vcall(Component::m_validate, self);
  Component::repaint(self);
}

void List::removeAll(Ref self) {
  Vector::removeAllElements(f(nn(self)).items);
  f(self).selected = -1;
  f(self).highlighted = -1;
  vcall(Component::m_validate, self);
  Component::repaint(self);
}

jint List::getSelectedIndex(Ref self) { return f(nn(self)).selected; }

Ref List::getSelectedItem(Ref self) {
  jint i = f(nn(self)).selected;
  return i < 0 ? nullptr : getItem(self, i);
}

void List::addItemListener(Ref self, Ref l) {
  Component::checkSingleListener(f(nn(self)).itemListener);
  f(self).itemListener = l;
}

void List::removeItemListener(Ref self, Ref l) {
  if (f(nn(self)).itemListener == l) f(self).itemListener = nullptr;
}

// A list cut at the maximum height shows a vertical bar, so it asks for the bar's width too.
Ref List::getPreferredSize(Ref self) {
  auto& in = Insets::f(ScrollManager::f(f(self).scroll).insets);
  jint width = f(self).itemWidth + in.left + in.right;
  jint height = getItemCount(self) * row_height() + in.top + in.bottom;
  if (height > MAX_HEIGHT) {
    height = MAX_HEIGHT;
    width += 7;  // a vertical bar's preferred width
  }
  return jnew<Dimension>(width, height);
}

void List::validate(Ref self) {
  ScrollManager::setContentSize(f(self).scroll, f(self).itemWidth,
                                getItemCount(self) * row_height());
  Component::validate(self);
}

// Rows are filled whole, so the list can be drawn at once without clearing first.
void List::paint(Ref self, Ref g) {
  Ref scroll = f(self).scroll;
  Ref clip = ScrollManager::paint(scroll, g, BORDER);
  auto& r = Rectangle::f(clip);
  Ref fm = vcall(Graphics::m_getFontMetrics, g);
  jint h = vcall(FontMetrics::m_getHeight, fm), ascent = vcall(FontMetrics::m_getAscent, fm);
  jint width = ScrollManager::f(scroll).viewWidth;
  if (f(self).itemWidth > width) width = f(self).itemWidth;
  Ref ink = vcall(Graphics::m_getColor, g), paper = Component::f(self).background;
  jint n = getItemCount(self);
  jint first = r.y > 0 ? r.y / h : 0, last = (r.y + r.height - 1) / h;
  if (last > n - 1) last = n - 1;
  for (jint row = first; row <= last; row++) {
    bool on = row == f(self).highlighted;
    vcall(Graphics::m_setColor, g, on ? ink : paper);
    vcall(Graphics::m_fillRect, g, 0, row * h, width, h);
    vcall(Graphics::m_setColor, g, on ? paper : ink);
    vcall(Graphics::m_drawString, g, text_of(getItem(self, row)), 1, row * h + ascent);
  }
  jint bottom = r.y + r.height;
  if (n * h < bottom) {  // below the last row
    vcall(Graphics::m_setColor, g, paper);
    vcall(Graphics::m_fillRect, g, 0, n * h, width, bottom - n * h);
  }
  vcall(Graphics::m_setColor, g, ink);
}

Ref List::getComponentAt(Ref self, jint x, jint y) {
  return ScrollManager::hitTest(f(self).scroll, x, y);
}

// The row's area on the list, for a repaint.
static void repaint_row(Ref self, jint row) {
  if (row < 0) return;
  auto& m = ScrollManager::f(List::f(self).scroll);
  auto& in = Insets::f(m.insets);
  jint h = row_height();
  Component::repaint(self, in.left,
                     in.top + row * h - ScrollManager::getVOffset(List::f(self).scroll),
                     m.viewWidth, h);
}

void List::highlight(Ref self, jint row) {
  jint old = f(self).highlighted;
  if (row == old) return;
  f(self).highlighted = row;
  repaint_row(self, old);
  repaint_row(self, row);
  if (row < 0) return;
  Ref scroll = f(self).scroll;
  jint h = row_height(), top = row * h, offset = ScrollManager::getVOffset(scroll);
  jint view = ScrollManager::f(scroll).viewHeight;
  jint wanted = top < offset ? top : top + h > offset + view ? top + h - view : offset;
  if (wanted != offset) {
    ScrollManager::scrollTo(scroll, ScrollManager::getHOffset(scroll), wanted);
    Component::repaint(self);
  }
}

// Key pressed, not consumed: 3 clears the cursor, 30 and 32 choose its row, 38 and 40 move
// it. In a popup list cancel is left to the toolkit, which closes the popup; taking it here
// would leave a menu or choice open for good.
void List::dispatchKeyEvent(Ref self, Ref e) {
  Component::dispatchKeyEvent(self, e);
  if (AWTEvent::getID(e) != KeyEvent::KEY_PRESSED || AWTEvent::isConsumed(e)) return;
  jint n = getItemCount(self), row = f(self).highlighted;
  switch (KeyEvent::getKeyCode(e)) {
    case KeyEvent::VK_CANCEL:
      highlight(self, -1);
      if (f(self).menu || f(self).choice) return;
      break;
    case KeyEvent::VK_ACCEPT:
    case KeyEvent::VK_SPACE:
      select(self, row);
      break;
    case KeyEvent::VK_UP:
      if (n > 0) highlight(self, row <= 0 ? 0 : row - 1);
      break;
    case KeyEvent::VK_DOWN:
      if (n > 0) highlight(self, row >= n - 1 ? n - 1 : row + 1);
      break;
    default:
      return;
  }
  AWTEvent::consume(e);
}

// The listeners get the event as on any component; a press does not activate.
static void to_listeners(Ref self, Ref e) {
  jlong mask = Component::f(self).eventMask;
  jlong bit = AWTEvent::getID(e) == MouseEvent::MOUSE_DRAGGED ? Component::MOUSE_MOTION_EVENT_MASK
                                                              : Component::MOUSE_EVENT_MASK;
  if (mask & bit) vcall(Component::m_processEvent, self, e);
}

void List::dispatchMouseEvent(Ref self, Ref e) {
  to_listeners(self, e);
  if (AWTEvent::isConsumed(e)) return;
  jint id = AWTEvent::getID(e), n = getItemCount(self);
  if (id == MouseEvent::MOUSE_PRESSED || id == MouseEvent::MOUSE_DRAGGED) {
    if (n == 0) return;
    Ref scroll = f(self).scroll;
    jint y = ScrollManager::getVOffset(scroll) + MouseEvent::getY(e) -
             Insets::f(ScrollManager::f(scroll).insets).top;
    jint row = y < 0 ? 0 : y / row_height();
    highlight(self, row > n - 1 ? n - 1 : row);
  } else if (id == MouseEvent::MOUSE_RELEASED) {
    select(self, f(self).highlighted);
  }
}

// A menu's list closes every popup and reports the item to its listener; a choice's list
// hands the row to the choice; a plain list reports an item event.
void List::select(Ref self, jint index) {
  jint n = getItemCount(nn(self));
  if (index >= n) return;
  if (f(self).menu) {
    for (Ref top = Toolkit::getTopWindow(); top && Window::f(top).popup;
         top = Toolkit::getTopWindow())
      vcall(Component::m_setVisible, top, 0);
    if (index < 0) return;
    Ref item = getItem(self, index);
    Ref l = MenuItem::f(item).actionListener;
    if (!l) return;
    Ref volatile e =
        jnew<ActionEvent>(item, ActionEvent::ACTION_PERFORMED, MenuItem::f(item).label);
    icall(ActionListener::m_actionPerformed, l, e);
    return;
  }
  if (f(self).choice) {
    Choice::chosen(f(self).choice, index);
    return;
  }
  f(self).selected = index;
  highlight(self, index);
  if (index < 0) return;
  if (Ref l = f(self).itemListener) {
    Ref volatile e = jnew<ItemEvent>(self, ItemEvent::ITEM_STATE_CHANGED, getItem(self, index),
                                     ItemEvent::SELECTED);
    icall(ItemListener::m_itemStateChanged, l, e);
  }
}

}  // namespace java::awt
