// java/awt/CheckboxGroup
#include "java/awt/CheckboxGroup.h"

#include "java/awt/Checkbox.h"
#include "java/util/Vector.h"

namespace java::awt {

using java::util::Vector;

ClassDecl CheckboxGroup::klass = {
    .name = "java/awt/CheckboxGroup",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(boxes)},
    .defaultCtor = &CheckboxGroup::init,
    .uses = {&java::lang::Object::klass, &java::awt::Checkbox::klass, &java::util::Vector::klass},
};

void CheckboxGroup::init(Ref self) {
  java::lang::Object::init(self);
  f(self).boxes = jnew<Vector>();
}

Ref CheckboxGroup::getSelectedCheckbox(Ref self) {
  Ref boxes = f(nn(self)).boxes;
  for (jint i = 0; i < Vector::size(boxes); i++) {
    Ref box = Vector::elementAt(boxes, i);
    if (Checkbox::f(box).state) return box;
  }
  return nullptr;
}

void CheckboxGroup::setSelectedCheckbox(Ref self, Ref box) {
  if (box && Checkbox::f(box).group == self) Checkbox::setState(box, 1);
}

void CheckboxGroup::add(Ref self, Ref box) { Vector::addElement(f(self).boxes, box); }

void CheckboxGroup::remove(Ref self, Ref box) { Vector::removeElement(f(self).boxes, box); }

void CheckboxGroup::selected(Ref self, Ref box) {
  Ref boxes = f(self).boxes;
  for (jint i = 0; i < Vector::size(boxes); i++) {
    Ref other = Vector::elementAt(boxes, i);
    if (other == box || !Checkbox::f(other).state) continue;
    Checkbox::f(other).state = 0;
    Component::repaint(other, 0, 0, Checkbox::BOX_AREA, Component::f(other).height);
  }
}

}  // namespace java::awt
