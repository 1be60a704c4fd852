// java/awt/Point
#include "java/awt/Point.h"

namespace java::awt {

ClassDecl Point::klass = {
    .name = "java/awt/Point",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .uses = {&java::lang::Object::klass},
};

void Point::init(Ref self, jint x, jint y) {
  java::lang::Object::init(self);
  f(self) = {x, y};
}

}  // namespace java::awt
