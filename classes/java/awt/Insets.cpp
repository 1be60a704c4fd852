// java/awt/Insets
#include "java/awt/Insets.h"

namespace java::awt {

ClassDecl Insets::klass = {
    .name = "java/awt/Insets",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .uses = {&java::lang::Object::klass},
};

void Insets::init(Ref self, jint top, jint left, jint bottom, jint right) {
  java::lang::Object::init(self);
  f(self) = {top, left, bottom, right};
}

}  // namespace java::awt
