// java/awt/FontMetrics
#include "java/awt/FontMetrics.h"

namespace java::awt {

ClassDecl FontMetrics::klass = {
    .name = "java/awt/FontMetrics",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(font)},
    .methods = {abstract_method(m_stringWidth), abstract_method(m_getHeight),
                abstract_method(m_getAscent), abstract_method(m_getDescent)},
    .uses = {&java::lang::Object::klass},
};

void FontMetrics::init(Ref self, Ref font) {
  java::lang::Object::init(self);
  f(self).font = font;
}

Ref FontMetrics::getFont(Ref self) { return f(nn(self)).font; }

}  // namespace java::awt
