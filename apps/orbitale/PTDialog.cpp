// PTDialog: a full-screen dialog placed by hand, closed by its OK button.
#include "PTDialog.h"

#include "java/awt/Button.h"
#include "java/awt/event/ActionEvent.h"
#include "java/awt/event/ActionListener.h"
#include "java/lang/String.h"

namespace orbitale {

using java::awt::Button;
using java::awt::Component;
using java::awt::Container;
using java::awt::Dialog;

ClassDecl PTDialog::klass = {
    .name = "PTDialog",
    .super = &Dialog::klass,
    .interfaces = {&java::awt::event::ActionListener::klass},
    .instanceSize = JAVA_INSTANCE_SIZE,
    .methods = {impl(java::awt::event::ActionListener::m_actionPerformed,
                     &PTDialog::actionPerformed)},
    .uses = {&java::awt::Dialog::klass, &java::awt::Button::klass,
             &java::awt::event::ActionEvent::klass, &java::awt::event::ActionListener::klass,
             &java::lang::String::klass},
};

// Shows itself; subclasses add their contents after.
void PTDialog::init(Ref self, Ref frame) {
  Dialog::init(self, frame, lit(""), 0);
  Container::setLayout(self, nullptr);
  vcall(Component::m_setBounds, self, 0, 0, 160, 160);
  Ref volatile ok = jnew<Button>(lit("OK"));
  Button::addActionListener(ok, self);
  vcall(Component::m_setBounds, ok, 65, 140, 30, 14);
  Container::add(self, ok);
  vcall(Component::m_setVisible, self, 1);
}

void PTDialog::actionPerformed(Ref self, Ref e) {
  Ref volatile command = java::awt::event::ActionEvent::getActionCommand(e);
  if (command && java::lang::String::equals(command, lit("OK")))
    vcall(Component::m_setVisible, self, 0);
}

}  // namespace orbitale
