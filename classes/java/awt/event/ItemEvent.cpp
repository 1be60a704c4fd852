// java/awt/event/ItemEvent
#include "java/awt/event/ItemEvent.h"

namespace java::awt::event {

ClassDecl ItemEvent::klass = {
    .name = "java/awt/event/ItemEvent",
    .super = &java::awt::AWTEvent::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(item)},
    .uses = {&java::awt::AWTEvent::klass},
};

void ItemEvent::init(Ref self, Ref source, jint id, Ref item, jint stateChange) {
  java::awt::AWTEvent::init(self, source, id);
  f(self).item = item;
  f(self).stateChange = stateChange;
}

Ref ItemEvent::getItem(Ref self) { return f(nn(self)).item; }

jint ItemEvent::getStateChange(Ref self) { return f(nn(self)).stateChange; }

}  // namespace java::awt::event
