// Orbitale: the periodic table's frame, its Options menu, and the program's entry.
#include "Orbitale.h"

#include "AboutDialog.h"
#include "Closer.h"
#include "DisplayOptionsDialog.h"
#include "TableSection.h"
#include "java/awt/Menu.h"
#include "java/awt/MenuBar.h"
#include "java/awt/MenuItem.h"
#include "java/awt/event/ActionEvent.h"
#include "java/awt/event/ActionListener.h"
#include "java/lang/String.h"

namespace orbitale {

using java::awt::Component;
using java::awt::Container;
using java::awt::Frame;
using java::awt::Menu;
using java::awt::MenuBar;
using java::awt::MenuItem;
using java::awt::event::ActionEvent;
using java::lang::String;

ClassDecl Orbitale::klass = {
    .name = "Orbitale",
    .super = &Frame::klass,
    .interfaces = {&java::awt::event::ActionListener::klass},
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(left), JAVA_REF(right)},
    .methods = {impl(java::awt::event::ActionListener::m_actionPerformed,
                     &Orbitale::actionPerformed)},
    .staticWords = JAVA_STATIC_WORDS,
    .uses = {&java::awt::Frame::klass, &orbitale::AboutDialog::klass, &orbitale::Closer::klass,
             &orbitale::DisplayOptionsDialog::klass, &orbitale::TableSection1::klass,
             &orbitale::TableSection2::klass, &java::awt::Menu::klass, &java::awt::MenuBar::klass,
             &java::awt::MenuItem::klass, &java::awt::event::ActionEvent::klass,
             &java::awt::event::ActionListener::klass, &java::lang::String::klass},
};

void Orbitale::main(Ref) {
  Ref volatile frame = jnew<Orbitale>();
  S().frame = frame;
  vcall(Component::m_setVisible, frame, 1);
}

void Orbitale::init(Ref self) {
  Frame::init(self, lit("Periodic Table of the Elements "));
  Ref volatile bar = jnew<MenuBar>();
  Ref volatile menu = jnew<Menu>(lit("Options"));
  for (const char* label : {"Display", "About Orbitale"}) {
    Ref volatile item = jnew<MenuItem>(lit(label));
    MenuItem::addActionListener(item, self);
    Menu::add(menu, item);
  }
  MenuBar::add(bar, menu);
  Frame::setMenuBar(self, bar);
  f(self).right = jnew<TableSection2>(self);
  f(self).left = jnew<TableSection1>(self);
  Container::add(self, f(self).left, lit("Center"));
  java::awt::Window::addWindowListener(self, jnew<Closer>());
  Component::setSize(self, 160, 160);
  vcall(Component::m_validate, self);
}

void Orbitale::actionPerformed(Ref self, Ref e) {
  Ref volatile command = ActionEvent::getActionCommand(e);
  if (String::equals(command, lit("About Orbitale")))
    jnew<AboutDialog>(self);
  else if (String::equals(command, lit("Display")))
    jnew<DisplayOptionsDialog>(self);
}

}  // namespace orbitale
