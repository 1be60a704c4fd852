// java/awt/Font
#include "java/awt/Font.h"

namespace java::awt {

ClassDecl Font::klass = {
    .name = "java/awt/Font",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .classInit = &Font::staticInit,
    .staticWords = JAVA_STATIC_WORDS,
    .uses = {&java::lang::Object::klass},
};

void Font::staticInit() { S().plain = jnew<Font>(lit("plain"), 0, 8); }

void Font::init(Ref self, Ref, jint style, jint) {
  java::lang::Object::init(self);
  f(self).style = style;
}

jint Font::getStyle(Ref self) { return f(nn(self)).style; }

}  // namespace java::awt
