// InfoDialog: the fifteen properties of one element.
#include "InfoDialog.h"

#include "DialogInfo.h"
#include "ElementInfo.h"
#include "TextBox.h"
#include "java/lang/String.h"

namespace orbitale {

using java::awt::Component;
using java::awt::Container;

ClassDecl InfoDialog::klass = {
    .name = "InfoDialog",
    .super = &PTDialog::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .uses = {&orbitale::PTDialog::klass, &orbitale::DialogInfo::klass,
             &orbitale::ElementInfo::klass, &orbitale::TextBox::klass, &java::lang::String::klass},
};

void InfoDialog::init(Ref self, Ref frame, jint index) {
  PTDialog::init(self, frame);
  Ref volatile box = jnew<TextBox>(7, 15, 148, 123);
  Container::add(self, box);
  clinit<ElementInfo>();
  Ref volatile info = ElementInfo::getInfo(index);
  Ref volatile number = rt_array_load_ref(ElementInfo::getSymbol(index), 1);
  java::awt::Dialog::setTitle(self,
                              jconcat({DialogInfo::f(info).title, lit("    Atomic No:"), number}));
  TextBox::setLines(box, DialogInfo::f(info).lines);
  vcall(Component::m_validate, self);
}

}  // namespace orbitale
