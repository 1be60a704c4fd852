// java/awt/AWTEvent
#include "java/awt/AWTEvent.h"

namespace java::awt {

ClassDecl AWTEvent::klass = {
    .name = "java/awt/AWTEvent",
    .super = &java::util::EventObject::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .uses = {&java::util::EventObject::klass},
};

void AWTEvent::init(Ref self, Ref source, jint id) {
  java::util::EventObject::init(self, source);
  f(self).id = id;
}

void AWTEvent::consume(Ref self) { f(nn(self)).consumed = 1; }

jbool AWTEvent::isConsumed(Ref self) { return f(nn(self)).consumed; }

void AWTEvent::setSource(Ref self, Ref source) {
  java::util::EventObject::f(nn(self)).source = source;
}

jint AWTEvent::getID(Ref self) { return f(nn(self)).id; }

}  // namespace java::awt
