// java/awt/Image
#include "java/awt/Image.h"

namespace java::awt {

ClassDecl Image::klass = {
    .name = "java/awt/Image",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .methods = {abstract_method(m_getWidth), abstract_method(m_getHeight)},
    .uses = {&java::lang::Object::klass},
};

void Image::init(Ref self) { java::lang::Object::init(self); }

}  // namespace java::awt
