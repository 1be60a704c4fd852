// ScreenPanel: a panel whose components are placed by hand, with push buttons that report
// to it by their labels.
#include "ScreenPanel.h"

#include "java/awt/Button.h"
#include "java/awt/event/ActionListener.h"

namespace orbitale {

using java::awt::Button;
using java::awt::Component;
using java::awt::Container;

ClassDecl ScreenPanel::klass = {
    .name = "ScreenPanel",
    .super = &java::awt::Panel::klass,
    .interfaces = {&java::awt::event::ActionListener::klass},
    .instanceSize = JAVA_INSTANCE_SIZE,
    .methods = {impl(java::awt::event::ActionListener::m_actionPerformed,
                     &ScreenPanel::actionPerformed)},
    .uses = {&java::awt::Panel::klass, &java::awt::Button::klass,
             &java::awt::event::ActionListener::klass},
};

void ScreenPanel::init(Ref self) {
  java::awt::Panel::init(self);
  Container::setLayout(self, nullptr);
}

Ref ScreenPanel::addButton(Ref self, Ref label, jint x, jint y, jint width, jint height) {
  Ref volatile button = jnew<Button>(label);
  Container::add(self, button);
  Button::addActionListener(button, self);
  Button::setActionCommand(button, label);
  Component::setSize(button, width, height);
  Component::setLocation(button, x, y);
  vcall(Component::m_setVisible, button, 1);
  return button;
}

// The halves answer their arrow buttons.
void ScreenPanel::actionPerformed(Ref, Ref) {}

}  // namespace orbitale
