// Glimmer: the spotlet of the tumbling word logo, its own animation loop, and the
// program's entry.
#include "Glimmer.h"

#include "VorelObject.h"
#include "com/sun/kjava/Button.h"
#include "com/sun/kjava/Graphics.h"
#include "java/lang/System.h"
#include "java/lang/Thread.h"
#include "java/util/Random.h"

namespace glimmer {

using com::sun::kjava::Button;
using com::sun::kjava::Graphics;
using com::sun::kjava::Spotlet;

ClassDecl Glimmer::klass = {
    .name = "Glimmer",
    .super = &Spotlet::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(object), JAVA_REF(exitButton), JAVA_REF(startStopButton)},
    .classInit = &Glimmer::staticInit,
    .methods = {impl(Spotlet::m_penDown, &Glimmer::penDown),
                impl(Spotlet::m_keyDown, &Glimmer::keyDown)},
    .staticWords = JAVA_STATIC_WORDS,
    .uses = {&VorelObject::klass, &com::sun::kjava::Button::klass,
             &com::sun::kjava::Graphics::klass, &com::sun::kjava::Spotlet::klass,
             &java::lang::System::klass, &java::lang::Thread::klass, &java::util::Random::klass},
    .reaches = {&com::sun::kjava::Button::relabelling},  // the Start/Stop label
};

void Glimmer::staticInit() {
  S().g = Graphics::getGraphics();
  S().random = jnew<java::util::Random>(kSeed);
}

// The main thread runs the frame loop; the event thread delivers the input.
void Glimmer::main(Ref) {
  Graphics::clearScreen();
  Ref volatile glimmer = jnew<Glimmer>();
  vcall(Spotlet::m_register, glimmer, Spotlet::NO_EVENT_OPTIONS);
  run(glimmer);
}

void Glimmer::init(Ref self) {
  Spotlet::init(self);
  f(self).object = jnew<VorelObject>(0, 0, -5250);
  f(self).running = 1;
  f(self).startStopButton = jnew<Button>(lit("Stop"), 2, 146);
  f(self).exitButton = jnew<Button>(lit("Exit"), 138, 146);
  vcall(Button::m_paint, f(self).startStopButton);
  vcall(Button::m_paint, f(self).exitButton);
  paint(self);
}

// Erases all but the bottom corners, where the buttons are, and draws the logo.
void Glimmer::paint(Ref self) {
  VorelObject::project(f(self).object, 0, 0, 0);
  Graphics::drawRectangle(0, 0, 160, 144, Graphics::ERASE, 0);
  Graphics::drawRectangle(30, 144, 100, 16, Graphics::ERASE, 0);
  VorelObject::draw(f(self).object, S().g);
}

void Glimmer::penDown(Ref self, jint x, jint y) {
  if (vcall(Button::m_pressed, f(self).exitButton, x, y)) java::lang::System::exit(0);
  if (vcall(Button::m_pressed, f(self).startStopButton, x, y)) {
    if (f(self).running) {
      f(self).running = 0;
      vcall(Button::m_setText, f(self).startStopButton, lit("Start"));
    } else {
      f(self).running = 1;
      vcall(Button::m_setText, f(self).startStopButton, lit("Stop"));
    }
    Graphics::drawRectangle(0, 144, 40, 16, Graphics::ERASE, 0);
    vcall(Button::m_paint, f(self).startStopButton);
  }
}

// Page up at the near limit draws nothing.
void Glimmer::keyDown(Ref self, jint keyCode) {
  if (keyCode == 12) {  // page down
    VorelObject::translate(f(self).object, 0, 0, -250);
    paint(self);
  } else if (keyCode == 11) {  // page up
    jint z = VorelObject::getZ(f(self).object);
    VorelObject::translate(f(self).object, 0, 0, 250);
    if (VorelObject::getZ(f(self).object) != z) paint(self);
  }
}

// Random turns about all three axes every frame, shown whole; while paused the last
// frame stays.
void Glimmer::run(Ref self) {
  jint a = 0, b = 0, c = 0;
  for (;;) {
    while (!f(self).running) java::lang::Thread::yield();
    Graphics::drawString(lit(""), 0, -100);
    a += 10 + (vcall(java::util::Random::m_nextInt, S().random) & 15);
    if (a >= 360) a -= 360;
    b += vcall(java::util::Random::m_nextInt, S().random) & 15;
    if (b >= 360) b -= 360;
    c += vcall(java::util::Random::m_nextInt, S().random) & 15;
    if (c >= 360) c -= 360;
    VorelObject::rotate(f(self).object, a, b, c);
    paint(self);
    Graphics::drawString(lit(""), 0, -200);
    java::lang::Thread::yield();
  }
}

}  // namespace glimmer
