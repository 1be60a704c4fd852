// java/awt/image/ColorModel
#include "java/awt/image/ColorModel.h"

namespace java::awt::image {

ClassDecl ColorModel::klass = {
    .name = "java/awt/image/ColorModel",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .methods = {impl(m_getPixelSize, &ColorModel::getPixelSize)},
    .uses = {&java::lang::Object::klass},
};

void ColorModel::init(Ref self, jint bits) {
  java::lang::Object::init(self);
  f(self).pixelSize = bits;
}

jint ColorModel::getPixelSize(Ref self) { return f(nn(self)).pixelSize; }

}  // namespace java::awt::image
