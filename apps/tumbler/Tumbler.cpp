// Tumbler: the spotlet of the framed stage and its three buttons, and the program's entry.
#include "Tumbler.h"

#include "AnimException.h"
#include "AnimManager.h"
#include "Pellow.h"
#include "Rectangle.h"
#include "com/sun/kjava/Button.h"
#include "com/sun/kjava/Graphics.h"
#include "java/lang/System.h"

namespace tumbler {

using com::sun::kjava::Button;
using com::sun::kjava::Graphics;
using com::sun::kjava::Spotlet;

ClassDecl Tumbler::klass = {
    .name = "Tumbler",
    .super = &Spotlet::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(comeOnButton), JAVA_REF(byeButton), JAVA_REF(exitButton),
                   JAVA_REF(current), JAVA_REF(manager)},
    .classInit = &Tumbler::staticInit,
    .methods = {impl(Spotlet::m_penDown, &Tumbler::penDown)},
    .staticWords = JAVA_STATIC_WORDS,
    .uses = {&AnimException::klass, &AnimManager::klass, &Pellow::klass, &Rectangle::klass,
             &com::sun::kjava::Button::klass, &com::sun::kjava::Graphics::klass,
             &com::sun::kjava::Spotlet::klass, &java::lang::System::klass},
};

void Tumbler::staticInit() { S().stage = jnew<Rectangle>(2, 2, 156, 136); }

void Tumbler::main(Ref) {
  Ref volatile tumbler = jnew<Tumbler>();
  vcall(Spotlet::m_register, tumbler, Spotlet::NO_EVENT_OPTIONS);
}

// The animation thread starts before the first paint.
void Tumbler::init(Ref self) {
  Spotlet::init(self);
  f(self).comeOnButton = jnew<Button>(lit("Come on"), 8, 142);
  f(self).byeButton = jnew<Button>(lit("Bye"), 56, 142);
  f(self).exitButton = jnew<Button>(lit("Exit"), 136, 142);
  f(self).manager = jnew<AnimManager>(S().stage);
  paint(self, Graphics::getGraphics());
}

void Tumbler::paint(Ref self, Ref g) {
  Graphics::clearScreen();
  paintFrame(self, g);
}

void Tumbler::paintFrame(Ref self, Ref) {
  auto& s = Rectangle::f(S().stage);
  Graphics::drawBorder(s.x, s.y, s.width, s.height, Graphics::PLAIN, Graphics::borderType(4, 0, 1));
  vcall(Button::m_paint, f(self).comeOnButton);
  vcall(Button::m_paint, f(self).byeButton);
  vcall(Button::m_paint, f(self).exitButton);
}

// Come on while a character is on stage does nothing.
void Tumbler::penDown(Ref self, jint x, jint y) {
  if (vcall(Button::m_pressed, f(self).exitButton, x, y)) {
    java::lang::System::exit(0);
  } else if (vcall(Button::m_pressed, f(self).comeOnButton, x, y)) {
    Ref volatile pellow = jnew<Pellow>();
    try {
      AnimManager::add(f(self).manager, pellow);
      f(self).current = pellow;
    } catch (JavaThrow& e) {
      if (!caught<AnimException>(e)) throw;
    }
  } else if (vcall(Button::m_pressed, f(self).byeButton, x, y) && f(self).current) {
    Pellow::bye(f(self).current);
  }
}

}  // namespace tumbler
