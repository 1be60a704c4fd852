// Spindrift's classes in process: the rotator's angles under taps and strokes, the near
// limit and the status line after ten frames. Its trigonometry is the toolkit's class under
// another name (GlimmerClasses); its rotation is Glimmer's too, whose run stops moving when a
// pose is turned from the last one instead of the model (programs_test).
#include "apps/spindrift/Spindrift.h"

#include <gtest/gtest.h>

#include "apps/spindrift/ObjectRotator.h"
#include "apps/spindrift/ThreeDeeObject.h"
#include "apps/spindrift/class_list.h"
#include "com/sun/kjava/Spotlet.h"
#include "in_process.h"

using com::sun::kjava::Spotlet;
using spindrift::ObjectRotator;
using spindrift::Spindrift;
using spindrift::ThreeDeeObject;

namespace {

void run(std::function<void()> body) { run_cleanly(spindrift::classes, std::move(body)); }

Ref started() {
  Spindrift::main(nullptr);
  return Spotlet::current();
}
ObjectRotator::Fields& rotator(Ref spindrift) {
  return ObjectRotator::f(Spindrift::f(spindrift).rotator);
}
jint z_of(Ref spindrift) { return ThreeDeeObject::f(rotator(spindrift).object).z; }

// A pen down on the edge never turns the logo; a stroke turns it by its length (only its
// two ends count); a tap puts it back to its starting pose, from which it goes on turning.
TEST(SpindriftClasses, EdgePressesStrokesAndTaps) {
  run([] {
    Ref s = started();
    pump(5);
    jint a = rotator(s).angleA, b = rotator(s).angleB;
    ASSERT_GT(a, 0) << "it has been turning";
    vcall(Spotlet::m_penDown, s, 0, 50);
    vcall(Spotlet::m_penUp, s, 90, 90);
    vcall(Spotlet::m_penDown, s, 50, 0);
    vcall(Spotlet::m_penUp, s, 90, 90);
    vcall(Spotlet::m_penUp, s, 10, 10);  // an up with no down before it
    EXPECT_EQ(rotator(s).angleA, a);
    EXPECT_EQ(rotator(s).angleB, b);
    vcall(Spotlet::m_penDown, s, 40, 50);
    vcall(Spotlet::m_penMove, s, 140, 5);
    vcall(Spotlet::m_penUp, s, 70, 40);
    EXPECT_EQ(rotator(s).angleA, a + 30) << "horizontal: about the vertical axis";
    EXPECT_EQ(rotator(s).angleB, b - 10) << "vertical: about the horizontal axis";
    EXPECT_EQ(Spindrift::f(s).penX, -1);
    EXPECT_EQ(Spindrift::f(s).penY, -1);
    vcall(Spotlet::m_penDown, s, 50, 60);
    vcall(Spotlet::m_penUp, s, 51, 59);  // within one pixel both ways
    EXPECT_EQ(rotator(s).angleA, 0);
    EXPECT_EQ(rotator(s).angleB, 0);
    pump(3);
    EXPECT_EQ(rotator(s).angleA, 2 * 3);
    EXPECT_EQ(rotator(s).angleB, 3);
  });
}

TEST(SpindriftClasses, PageUpStopsAtTheNearLimitAndPageDownHasNone) {
  run([] {
    Ref s = started();
    EXPECT_EQ(z_of(s), -6000);
    vcall(Spotlet::m_keyDown, s, 11);
    EXPECT_EQ(z_of(s), -5750);
    vcall(Spotlet::m_keyDown, s, 11);
    EXPECT_EQ(z_of(s), -5750);
    for (int i = 0; i < 40; i++) vcall(Spotlet::m_keyDown, s, 12);
    EXPECT_EQ(z_of(s), -5750 - 40 * 250);
    vcall(Spotlet::m_keyDown, s, 'a');
    EXPECT_EQ(z_of(s), -5750 - 40 * 250);
  });
}

TEST(SpindriftClasses, TheStatusLineIsAbsentForTheFirstTenFrames) {
  run([] {
    Ref s = started();
    int seen = -1;
    for (int pass = 0; pass < 40; pass++) {
      jint frames = rotator(s).angleA / 2;  // two degrees a frame
      bool status = screen_now().inked(2, 148, 60, 158) > 0;
      EXPECT_EQ(status, frames > 10) << "frame " << frames;
      if (status && seen < 0) seen = frames;
      pump(1);
    }
    EXPECT_EQ(seen, 11) << "measured over the first ten, shown from the eleventh";
  });
}

}  // namespace
