// java/awt/event/AdjustmentEvent
#include "java/awt/event/AdjustmentEvent.h"

namespace java::awt::event {

ClassDecl AdjustmentEvent::klass = {
    .name = "java/awt/event/AdjustmentEvent",
    .super = &java::awt::AWTEvent::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .uses = {&java::awt::AWTEvent::klass},
};

void AdjustmentEvent::init(Ref self, Ref source, jint id, jint type, jint value) {
  java::awt::AWTEvent::init(self, source, id);
  f(self).adjustmentType = type;
  f(self).value = value;
}

jint AdjustmentEvent::getAdjustmentType(Ref self) { return f(nn(self)).adjustmentType; }

jint AdjustmentEvent::getValue(Ref self) { return f(nn(self)).value; }

}  // namespace java::awt::event
