// java/awt/event/FocusEvent
#include "java/awt/event/FocusEvent.h"

namespace java::awt::event {

ClassDecl FocusEvent::klass = {
    .name = "java/awt/event/FocusEvent",
    .super = &java::awt::AWTEvent::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .uses = {&java::awt::AWTEvent::klass},
};

void FocusEvent::init(Ref self, Ref source, jint id) {
  java::awt::AWTEvent::init(self, source, id);
}

}  // namespace java::awt::event
