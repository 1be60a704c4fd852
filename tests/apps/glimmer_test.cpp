// Glimmer's classes in process: the page keys and the near limit, and the trigonometry it
// uses. The Start/Stop button is judged end to end (programs_test).
#include "apps/glimmer/Glimmer.h"

#include <gtest/gtest.h>

#include "apps/glimmer/VorelObject.h"
#include "apps/glimmer/class_list.h"
#include "com/sun/kjava/Graphics.h"
#include "com/sun/kjava/Trigonometric.h"
#include "in_process.h"
#include "trigonometry_checks.h"

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

TEST(GlimmerClasses, TrigonometryFollowsTheTablesForAnyAngle) {
  run([] { expect_sines<com::sun::kjava::Trigonometric>(); });
}

}  // namespace
