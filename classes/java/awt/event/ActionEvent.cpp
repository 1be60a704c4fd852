// java/awt/event/ActionEvent
#include "java/awt/event/ActionEvent.h"

namespace java::awt::event {

ClassDecl ActionEvent::klass = {
    .name = "java/awt/event/ActionEvent",
    .super = &java::awt::AWTEvent::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(actionCommand)},
    .uses = {&java::awt::AWTEvent::klass},
};

void ActionEvent::init(Ref self, Ref source, jint id, Ref command) {
  java::awt::AWTEvent::init(self, source, id);
  f(self).actionCommand = command;
}

Ref ActionEvent::getActionCommand(Ref self) { return f(nn(self)).actionCommand; }

}  // namespace java::awt::event
