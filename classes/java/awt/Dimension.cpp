// java/awt/Dimension
#include "java/awt/Dimension.h"

namespace java::awt {

ClassDecl Dimension::klass = {
    .name = "java/awt/Dimension",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = static_cast<void (*)(Ref)>(&Dimension::init),
    .uses = {&java::lang::Object::klass},
};

void Dimension::init(Ref self) { java::lang::Object::init(self); }

void Dimension::init(Ref self, jint width, jint height) {
  java::lang::Object::init(self);
  f(self) = {width, height};
}

}  // namespace java::awt
