// Spindrift: the spotlet of the turning logo, and the program's entry.
#include "Spindrift.h"

#include "ObjectRotator.h"
#include "com/sun/kjava/Button.h"
#include "java/lang/System.h"

namespace spindrift {

using com::sun::kjava::Button;
using com::sun::kjava::Spotlet;

ClassDecl Spindrift::klass = {
    .name = "Spindrift",
    .super = &Spotlet::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(exitButton), JAVA_REF(rotator)},
    .methods = {impl(Spotlet::m_penDown, &Spindrift::penDown),
                impl(Spotlet::m_penUp, &Spindrift::penUp),
                impl(Spotlet::m_penMove, &Spindrift::penMove),
                impl(Spotlet::m_keyDown, &Spindrift::keyDown)},
    .uses = {&ObjectRotator::klass, &com::sun::kjava::Button::klass,
             &com::sun::kjava::Spotlet::klass, &java::lang::System::klass},
};

void Spindrift::main(Ref) {
  Ref volatile spotlet = jnew<Spindrift>();
  vcall(Spotlet::m_register, spotlet, Spotlet::NO_EVENT_OPTIONS);
}

void Spindrift::init(Ref self) {
  Spotlet::init(self);
  f(self).exitButton = jnew<Button>(lit("Exit"), 138, 145);
  vcall(Button::m_paint, f(self).exitButton);
  f(self).penX = f(self).penY = -1;
  f(self).rotator = jnew<ObjectRotator>(f(self).exitButton);
  java::lang::Thread::start(f(self).rotator);
}

void Spindrift::penDown(Ref self, jint x, jint y) {
  if (vcall(Button::m_pressed, f(self).exitButton, x, y)) {
    ObjectRotator::stopRotation(f(self).rotator);
    java::lang::System::exit(0);
  } else {
    f(self).penX = x;
    f(self).penY = y;
  }
}

// Only the stroke's two ends count. A pen-down on row 0 or column 0 never turns the logo.
void Spindrift::penUp(Ref self, jint x, jint y) {
  if (f(self).penX > 0 && f(self).penY > 0) {
    ObjectRotator::turnBy(f(self).rotator, x - f(self).penX, y - f(self).penY);
    f(self).penX = f(self).penY = -1;
  }
}

void Spindrift::penMove(Ref, jint, jint) {}

void Spindrift::keyDown(Ref self, jint keyCode) {
  switch (keyCode) {
    case 11:  // page up
      ObjectRotator::moveBy(f(self).rotator, 0, 0, 250);
      break;
    case 12:  // page down
      ObjectRotator::moveBy(f(self).rotator, 0, 0, -250);
      break;
    case 'X':
    case 'x':
      ObjectRotator::stopRotation(f(self).rotator);
      java::lang::System::exit(0);
      break;
  }
}

}  // namespace spindrift
