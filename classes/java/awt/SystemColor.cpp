// java/awt/SystemColor
#include "java/awt/SystemColor.h"

namespace java::awt {

ClassDecl SystemColor::klass = {
    .name = "java/awt/SystemColor",
    .super = &Color::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .classInit = &SystemColor::staticInit,
    .staticWords = JAVA_STATIC_WORDS,
    .uses = {&java::awt::Color::klass},
};

void SystemColor::staticInit() {
  S().white = jnew<SystemColor>(0xFFFFFF);
  S().black = jnew<SystemColor>(0x000000);
  S().accent = jnew<SystemColor>(0x330099);
  S().window = S().white;
  S().control = S().white;
  S().controlText = S().black;
  S().menu = S().white;
  S().menuText = S().black;
}

void SystemColor::init(Ref self, jint rgb) { Color::init(self, rgb); }

Ref SystemColor::accent() {
  clinit<SystemColor>();
  return S().accent;
}

}  // namespace java::awt
