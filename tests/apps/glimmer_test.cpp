// Glimmer's classes in process: the page keys and the near limit, and the trigonometry it
// uses (Spindrift's too). The Start/Stop button is judged end to end (programs_test).
#include "apps/glimmer/Glimmer.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "apps/glimmer/VorelObject.h"
#include "apps/glimmer/class_list.h"
#include "com/sun/kjava/Graphics.h"
#include "com/sun/kjava/Trigonometric.h"
#include "in_process.h"

using com::sun::kjava::Graphics;
using com::sun::kjava::Spotlet;
using glimmer::Glimmer;
using glimmer::VorelObject;

namespace {

void run(std::function<void()> body) { run_cleanly(glimmer::classes, std::move(body)); }

// The spotlet as main makes it, without its frame loop: nothing moves unless told to.
Ref still_glimmer() {
  Graphics::clearScreen();
  Ref g = jnew<Glimmer>();
  vcall(Spotlet::m_register, g, Spotlet::NO_EVENT_OPTIONS);
  return g;
}
jint z_of(Ref g) { return VorelObject::getZ(Glimmer::f(g).object); }

TEST(GlimmerClasses, PageUpAtTheNearLimitMovesNothingAndDrawsNothing) {
  run([] {
    Ref g = still_glimmer();
    EXPECT_EQ(z_of(g), -5250);
    Screen before = screen_now();
    vcall(Spotlet::m_keyDown, g, 11);
    EXPECT_EQ(z_of(g), -5000);
    EXPECT_NE(screen_now().px, before.px) << "nearer: drawn again, larger";
    Graphics::drawLine(5, 5, 5, 5, Graphics::PLAIN);  // a mark a repaint would erase
    vcall(Spotlet::m_keyDown, g, 11);
    EXPECT_EQ(z_of(g), -5000);
    EXPECT_TRUE(screen_now().black(5, 5)) << "not drawn again";
    vcall(Spotlet::m_keyDown, g, 12);
    EXPECT_EQ(z_of(g), -5250);
    EXPECT_TRUE(screen_now().white(5, 5)) << "page down repaints";
    for (int i = 0; i < 30; i++) vcall(Spotlet::m_keyDown, g, 12);
    EXPECT_EQ(z_of(g), -5250 - 30 * 250) << "no far limit";
  });
}

// The tables within one unit of the true sine at 100000, the exact entries, and the same
// value for any int angle. (Spindrift's copy differs by its name only.)
TEST(GlimmerClasses, TrigonometryFollowsTheTablesForAnyAngle) {
  using Trig = com::sun::kjava::Trigonometric;
  run([] {
    for (jint d = 0; d <= 90; d++) {
      double truth = 100000 * std::sin(d * M_PI / 180);
      EXPECT_LE(std::fabs(Trig::sin(100000, d) - truth), 1.0) << "degree " << d;
    }
    EXPECT_EQ(Trig::scaledSin(1000, 0), 0);
    EXPECT_EQ(Trig::scaledSin(1000, 30), 500);
    EXPECT_EQ(Trig::scaledSin(1000, 90), 1000);
    EXPECT_EQ(Trig::scaledSin(4668, 48), 3469);
    EXPECT_EQ(Trig::sin(1000, 150), 500);
    EXPECT_EQ(Trig::sin(1000, 210), -500);
    EXPECT_EQ(Trig::sin(1000, 330), -500);
    EXPECT_EQ(Trig::cos(1000, 60), 500);
    EXPECT_EQ(Trig::cos(1000, 180), -1000);
    for (jint a : {-1, -89, -360, -719, -100000, 123456789, INT_MAX, INT_MIN, INT_MIN + 1}) {
      jint reduced = static_cast<jint>(((static_cast<int64_t>(a) % 360) + 360) % 360);
      EXPECT_EQ(Trig::sin(7777, a), Trig::sin(7777, reduced)) << "angle " << a;
    }
  });
}

}  // namespace
