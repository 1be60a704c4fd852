// java/awt/Menu
#include "java/awt/Menu.h"

#include "java/awt/Dimension.h"
#include "java/awt/List.h"
#include "java/awt/Toolkit.h"
#include "java/awt/Window.h"

namespace java::awt {

ClassDecl Menu::klass = {
    .name = "java/awt/Menu",
    .super = &MenuItem::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(list), JAVA_REF(popup)},
    .uses = {&java::awt::MenuItem::klass, &java::awt::Dimension::klass, &java::awt::List::klass,
             &java::awt::Toolkit::klass, &java::awt::Window::klass},
};

void Menu::init(Ref self, Ref label) {
  MenuItem::init(self, label);
  Ref volatile list = jnew<List>();
  List::f(list).menu = self;
  f(self).list = list;
}

Ref Menu::add(Ref self, Ref item) {
  List::add(f(nn(self)).list, item);
  return item;
}

jint Menu::getItemCount(Ref self) { return List::getItemCount(f(nn(self)).list); }
Ref Menu::getItem(Ref self, jint index) { return List::getItem(f(nn(self)).list, index); }

// The popup is made once, at its packed size less 2 pixels, with the list moved up by 2 so
// that its top border hides under the menu bar's strip; the window then lays out no more.
static Ref make_popup(Ref self) {
  Ref list = Menu::f(self).list;
  Ref volatile popup = jnew<Window>(nullptr);
  Window::f(popup).popup = 1;
  Container::add(popup, list, lit("Center"));
  Window::pack(popup);
  Container::setLayout(popup, nullptr);
  auto& p = Component::f(popup);
  Component::setBounds(list, 0, -2, p.width, p.height);
  Component::setSize(popup, p.width, p.height - 2);
  Component::validate(popup);
  Menu::f(self).popup = popup;
  return popup;
}

// At (x - 1, y - 1), pushed left and up to stay on the screen, never past its left or top.
void Menu::open(Ref self, jint x, jint y, jbool byKey) {
  if (isOpen(nn(self))) return;
  Ref popup = f(self).popup ? f(self).popup : make_popup(self);
  Ref list = f(self).list;
  List::f(list).highlighted = -1;
  if (byKey) {
    vcall(Component::m_requestFocus, list);
    List::highlight(list, 0);
  }
  auto& p = Component::f(popup);
  Ref screen = vcall(Toolkit::m_getScreenSize, Toolkit::getDefaultToolkit());
  jint wx = x - 1, wy = y - 1;
  if (wx + p.width > Dimension::f(screen).width) wx = Dimension::f(screen).width - p.width;
  if (wy + p.height > Dimension::f(screen).height) wy = Dimension::f(screen).height - p.height;
  Component::setLocation(popup, wx < 0 ? 0 : wx, wy < 0 ? 0 : wy);
  vcall(Component::m_setVisible, popup, 1);
}

void Menu::close(Ref self) {
  if (isOpen(self)) vcall(Component::m_setVisible, f(self).popup, 0);
}

jbool Menu::isOpen(Ref self) {
  Ref popup = f(self).popup;
  return popup && Component::f(popup).visible;
}

}  // namespace java::awt
