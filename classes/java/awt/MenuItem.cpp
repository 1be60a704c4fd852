// java/awt/MenuItem
#include "java/awt/MenuItem.h"

#include "java/lang/RuntimeException.h"

namespace java::awt {

ClassDecl MenuItem::klass = {
    .name = "java/awt/MenuItem",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(label), JAVA_REF(actionListener)},
    .methods = {impl(java::lang::Object::m_toString, &MenuItem::toString)},
    .uses = {&java::lang::Object::klass},
};

void MenuItem::init(Ref self, Ref label) {
  java::lang::Object::init(self);
  f(self).label = label;
}

Ref MenuItem::getLabel(Ref self) { return f(nn(self)).label; }
void MenuItem::setLabel(Ref self, Ref label) { f(nn(self)).label = label; }

void MenuItem::addActionListener(Ref self, Ref l) {
  if (f(nn(self)).actionListener)
    jthrow(jnew<java::lang::RuntimeException>(lit("Only one ActionListener allowed")));
  f(self).actionListener = l;
}

void MenuItem::removeActionListener(Ref self, Ref l) {
  if (f(nn(self)).actionListener == l) f(self).actionListener = nullptr;
}

Ref MenuItem::toString(Ref self) { return f(self).label; }

}  // namespace java::awt
