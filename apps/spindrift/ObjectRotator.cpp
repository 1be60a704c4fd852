// ObjectRotator: Spindrift's animation thread, drawing frames as fast as it is let.
#include "ObjectRotator.h"

#include "ThreeDeeObject.h"
#include "apps/shared/WireFrame.h"
#include "com/sun/kjava/Button.h"
#include "com/sun/kjava/Graphics.h"
#include "java/lang/Runtime.h"
#include "java/lang/String.h"
#include "java/lang/System.h"

namespace spindrift {

using com::sun::kjava::Button;
using com::sun::kjava::Graphics;

ClassDecl ObjectRotator::klass = {
    .name = "ObjectRotator",
    .super = &java::lang::Thread::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(exitButton), JAVA_REF(object)},
    .classInit = &ObjectRotator::staticInit,
    .methods = {impl(java::lang::Thread::m_run, &run_entry<&ObjectRotator::run>)},
    .staticWords = JAVA_STATIC_WORDS,
    .uses = {&ThreeDeeObject::klass, &com::sun::kjava::Button::klass,
             &com::sun::kjava::Graphics::klass, &java::lang::Runtime::klass,
             &java::lang::String::klass, &java::lang::System::klass, &java::lang::Thread::klass},
    .reaches = {&java::lang::String::longText},  // the frame time, a long, as text
};

void ObjectRotator::staticInit() {
  S().empty = lit("");
  S().hint = lit("Press 'x' to exit");
  S().g = Graphics::getGraphics();
}

// Draws the first frame, unturned, before the thread starts.
void ObjectRotator::init(Ref self, Ref exitButton) {
  java::lang::Thread::init(self);
  f(self).exitButton = exitButton;
  f(self).stopped = 0;
  f(self).object = jnew<ThreeDeeObject>(0, 0, -6000);
  f(self).eyeX = f(self).eyeY = f(self).eyeZ = 0;
  ThreeDeeObject::project(f(self).object, f(self).eyeX, f(self).eyeY, f(self).eyeZ);
  Graphics::drawString(S().empty, 0, -100);
  Graphics::clearScreen();
  Graphics::drawString(S().hint, 2, 1);
  vcall(Button::m_paint, f(self).exitButton);
  ThreeDeeObject::draw(f(self).object, S().g);
  Graphics::drawString(S().empty, 0, -200);
  f(self).rateA = 2;
  f(self).rateB = 1;
  f(self).angleA = f(self).angleB = 0;
}

// One frame a pass, shown whole; every ten frames the mean time of the last ten.
void ObjectRotator::run(Ref self) {
  jint frames = 0;
  jlong started = 0;
  Ref volatile status = nullptr;
  for (;;) {
    auto& r = f(self);
    if (r.stopped) return;
    if (frames == 0) started = java::lang::System::currentTimeMillis();
    r.angleA = apps::iadd(r.angleA, r.rateA);
    r.angleB = apps::iadd(r.angleB, r.rateB);
    ThreeDeeObject::rotate(r.object, r.angleB, apps::isub(0, r.angleA), 0);
    ThreeDeeObject::project(r.object, r.eyeX, r.eyeY, r.eyeZ);
    Graphics::drawString(S().empty, 0, -100);
    Graphics::clearScreen();
    vcall(Button::m_paint, r.exitButton);
    Graphics::drawString(S().hint, 2, 1);
    if (status) Graphics::drawString(status, 2, 148);
    ThreeDeeObject::draw(r.object, S().g);
    Graphics::drawString(S().empty, 0, -200);
    frames++;
    if (frames >= 10) {
      jlong each = (java::lang::System::currentTimeMillis() - started) / 10;
      status = jconcat({java::lang::String::valueOf(each), lit(" msec/frame")});
      frames = 0;
      java::lang::Runtime::gc(java::lang::Runtime::getRuntime());
    }
    java::lang::Thread::yield();
  }
}

// The loop ends before its next frame.
void ObjectRotator::stopRotation(Ref self) { f(self).stopped = 1; }

void ObjectRotator::moveBy(Ref self, jint dx, jint dy, jint dz) {
  ThreeDeeObject::translate(f(self).object, dx, dy, dz);
}

// A tap (both amounts within one pixel) puts the logo back to its starting pose; a
// stroke turns it by its length in degrees.
void ObjectRotator::turnBy(Ref self, jint dx, jint dy) {
  if (dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1) {
    f(self).angleA = f(self).angleB = 0;
  } else {
    f(self).angleA = apps::iadd(f(self).angleA, dx);
    f(self).angleB = apps::iadd(f(self).angleB, dy);
  }
}

}  // namespace spindrift
