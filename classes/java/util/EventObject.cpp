// java/util/EventObject
#include "java/util/EventObject.h"

namespace java::util {

ClassDecl EventObject::klass = {
    .name = "java/util/EventObject",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(source)},
    .uses = {&java::lang::Object::klass},
};

void EventObject::init(Ref self, Ref source) {
  java::lang::Object::init(self);
  f(self).source = source;
}

Ref EventObject::getSource(Ref self) { return f(nn(self)).source; }

}  // namespace java::util
