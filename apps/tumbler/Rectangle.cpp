// Rectangle: Tumbler's plain rectangle.
#include "Rectangle.h"

namespace tumbler {

ClassDecl Rectangle::klass = {
    .name = "Rectangle",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
};

void Rectangle::init(Ref self, jint x, jint y, jint width, jint height) {
  java::lang::Object::init(self);
  f(self).x = x;
  f(self).y = y;
  f(self).width = width;
  f(self).height = height;
}

}  // namespace tumbler
