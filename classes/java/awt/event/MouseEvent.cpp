// java/awt/event/MouseEvent
#include "java/awt/event/MouseEvent.h"

namespace java::awt::event {

ClassDecl MouseEvent::klass = {
    .name = "java/awt/event/MouseEvent",
    .super = &InputEvent::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .uses = {&java::awt::event::InputEvent::klass},
};

// Only the point is kept.
void MouseEvent::init(Ref self, Ref source, jint id, jlong when, jint modifiers, jint x, jint y,
                      jint, jbool) {
  InputEvent::init(self, source, id, when, modifiers);
  f(self).x = x;
  f(self).y = y;
}

jint MouseEvent::getX(Ref self) { return f(nn(self)).x; }

jint MouseEvent::getY(Ref self) { return f(nn(self)).y; }

void MouseEvent::translatePoint(Ref self, jint dx, jint dy) {
  f(nn(self)).x += dx;
  f(self).y += dy;
}

}  // namespace java::awt::event
