// java/awt/event/InputEvent
#include "java/awt/event/InputEvent.h"

namespace java::awt::event {

ClassDecl InputEvent::klass = {
    .name = "java/awt/event/InputEvent",
    .super = &java::awt::AWTEvent::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .uses = {&java::awt::AWTEvent::klass},
};

// The time and modifiers are not kept.
void InputEvent::init(Ref self, Ref source, jint id, jlong, jint) {
  java::awt::AWTEvent::init(self, source, id);
}

}  // namespace java::awt::event
