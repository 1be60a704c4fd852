// java/awt/Color
#include "java/awt/Color.h"

namespace java::awt {

ClassDecl Color::klass = {
    .name = "java/awt/Color",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .classInit = &Color::staticInit,
    .methods = {impl(java::lang::Object::m_hashCode, &Color::hashCode),
                impl(java::lang::Object::m_equals, &Color::equals)},
    .staticWords = JAVA_STATIC_WORDS,
    .uses = {&java::lang::Object::klass},
};

void Color::staticInit() {
  S().white = jnew<Color>(0xFFFFFF);
  S().lightGray = jnew<Color>(0xC0C0C0);
  S().gray = jnew<Color>(0x808080);
  S().darkGray = jnew<Color>(0x404040);
  S().black = jnew<Color>(0x000000);
  S().red = jnew<Color>(0xFF0000);
  S().pink = jnew<Color>(0xFFAFAF);
  S().orange = jnew<Color>(0xFFC800);
  S().yellow = jnew<Color>(0xFFFF00);
  S().green = jnew<Color>(0x00FF00);
  S().magenta = jnew<Color>(0xFF00FF);
  S().cyan = jnew<Color>(0x00FFFF);
  S().blue = jnew<Color>(0x0000FF);
}

void Color::init(Ref self, jint rgb) {
  java::lang::Object::init(self);
  f(self).value = rgb & 0xFFFFFF;
}

void Color::init(Ref self, jint r, jint g, jint b) {
  init(self, ((r & 0xFF) << 16) | ((g & 0xFF) << 8) | (b & 0xFF));
}

jint Color::getRed(Ref self) { return (f(nn(self)).value >> 16) & 0xFF; }

jint Color::getGreen(Ref self) { return (f(nn(self)).value >> 8) & 0xFF; }

jint Color::getBlue(Ref self) { return f(nn(self)).value & 0xFF; }

jint Color::getRGB(Ref self) { return f(nn(self)).value; }

jint Color::hashCode(Ref self) { return f(self).value; }

jbool Color::equals(Ref self, Ref obj) {
  return obj && instanceof <Color>(obj) && f(obj).value == f(self).value;
}

}  // namespace java::awt
