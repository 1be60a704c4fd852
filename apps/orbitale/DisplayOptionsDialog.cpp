// DisplayOptionsDialog: symbols or numbers, and which element groups the table shows.
#include "DisplayOptionsDialog.h"

#include "DisplayOptionsPanel.h"

namespace orbitale {

using java::awt::Component;
using java::awt::Container;

ClassDecl DisplayOptionsDialog::klass = {
    .name = "DisplayOptionsDialog",
    .super = &PTDialog::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .uses = {&orbitale::PTDialog::klass, &orbitale::DisplayOptionsPanel::klass},
};

void DisplayOptionsDialog::init(Ref self, Ref frame) {
  PTDialog::init(self, frame);
  java::awt::Dialog::setTitle(self, lit("Display Options"));
  Ref volatile panel = jnew<DisplayOptionsPanel>();
  vcall(Component::m_setBounds, panel, 3, 10, 154, 123);
  Container::add(self, panel);
  vcall(Component::m_validate, self);
}

}  // namespace orbitale
