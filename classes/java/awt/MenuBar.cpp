// java/awt/MenuBar
#include "java/awt/MenuBar.h"

#include "java/awt/Component.h"
#include "java/awt/MenuBarComponent.h"
#include "java/awt/Window.h"
#include "java/util/Vector.h"

namespace java::awt {

using java::util::Vector;

ClassDecl MenuBar::klass = {
    .name = "java/awt/MenuBar",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(menus), JAVA_REF(strip), JAVA_REF(popup)},
    .defaultCtor = &MenuBar::init,
    .uses = {&java::lang::Object::klass, &java::awt::Component::klass,
             &java::awt::MenuBarComponent::klass, &java::awt::Window::klass,
             &java::util::Vector::klass},
};

void MenuBar::init(Ref self) {
  java::lang::Object::init(self);
  f(self).menus = jnew<Vector>();
}

Ref MenuBar::add(Ref self, Ref menu) {
  Vector::addElement(f(nn(self)).menus, menu);
  return menu;
}

jint MenuBar::getMenuCount(Ref self) { return Vector::size(f(nn(self)).menus); }
Ref MenuBar::getMenu(Ref self, jint index) { return Vector::elementAt(f(nn(self)).menus, index); }

// The strip's popup is made once; each activation shows it at the top with no title
// selected and the keyboard on the strip.
void MenuBar::activate(Ref self) {
  if (!f(nn(self)).popup) {
    Ref volatile popup = jnew<Window>(nullptr);
    Window::f(popup).popup = 1;
    Ref volatile strip = jnew<MenuBarComponent>(self);
    Container::add(popup, strip, lit("Center"));
    Window::pack(popup);
    f(self).strip = strip;
    f(self).popup = popup;
  }
  Ref popup = f(self).popup, strip = f(self).strip;
  if (Component::f(popup).visible) return;
  Component::setLocation(popup, 0, 0);
  MenuBarComponent::f(strip).selectedMenu = -1;
  vcall(Component::m_requestFocus, strip);
  vcall(Component::m_setVisible, popup, 1);
}

}  // namespace java::awt
