// Glimmer's classes in process: the page keys and the near limit, the Start/Stop button,
// the word model and the trigonometry it uses.
#include "apps/glimmer/Glimmer.h"

#include <gtest/gtest.h>

#include "apps/glimmer/VorelObject.h"
#include "apps/glimmer/class_list.h"
#include "com/sun/kjava/Button.h"
#include "com/sun/kjava/Graphics.h"
#include "com/sun/kjava/Trigonometric.h"
#include "in_process.h"
#include "trigonometry_checks.h"

using com::sun::kjava::Button;
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

TEST(GlimmerClasses, TheStartStopButtonSwitchesStateAndLabel) {
  run([] {
    Ref g = still_glimmer();
    auto label = [&] { return jstring_bytes(Button::f(Glimmer::f(g).startStopButton).text); };
    EXPECT_TRUE(Glimmer::f(g).running);
    EXPECT_EQ(label(), "Stop");
    vcall(Spotlet::m_penDown, g, 5, 150);
    EXPECT_FALSE(Glimmer::f(g).running);
    EXPECT_EQ(label(), "Start");
    EXPECT_EQ(Button::f(Glimmer::f(g).startStopButton).width, Graphics::getWidth(lit("Start")) + 4);
    vcall(Spotlet::m_penDown, g, 5, 150);
    EXPECT_TRUE(Glimmer::f(g).running);
    EXPECT_EQ(label(), "Stop");
    vcall(Spotlet::m_penDown, g, 80, 80);  // off both buttons
    EXPECT_TRUE(Glimmer::f(g).running);
  });
}

TEST(GlimmerClasses, TheModelIsThreeLetterOutlinesSideBySideAndAnAxis) {
  run([] {
    Ref model = VorelObject::S().model;
    ASSERT_EQ(alen(model), 124);
    auto v = [&](int i, int k) { return rt_array_load32(rt_array_load_ref(model, i), k); };
    auto same = [&](int i, int j) {
      return v(i, 0) == v(j, 0) && v(i, 1) == v(j, 1) && v(i, 2) == v(j, 2);
    };
    int minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (int i = 0; i < 122; i++) {
      EXPECT_EQ(v(i, 2), 0);
      minX = std::min(minX, v(i, 0));
      maxX = std::max(maxX, v(i, 0));
      minY = std::min(minY, v(i, 1));
      maxY = std::max(maxY, v(i, 1));
    }
    EXPECT_EQ(minX, -2800);
    EXPECT_EQ(maxX, 2800);
    EXPECT_EQ(minY, -680);
    EXPECT_EQ(maxY, 1240);
    EXPECT_TRUE(same(54, 1)) << "the first letter ends on its own second vertex";
    EXPECT_TRUE(same(88, 55)) << "the second is closed";
    EXPECT_TRUE(same(121, 89)) << "the third is closed";
    // Side by side: each letter lies wholly right of the one before.
    auto span = [&](int from, int to, bool right) {
      int m = v(from, 0);
      for (int i = from; i <= to; i++) m = right ? std::max(m, v(i, 0)) : std::min(m, v(i, 0));
      return m;
    };
    EXPECT_LT(span(0, 54, true), span(55, 88, false));
    EXPECT_LT(span(55, 88, true), span(89, 121, false));
    EXPECT_EQ(v(122, 0) | v(122, 1) | v(122, 2), 0);
    EXPECT_EQ(v(123, 2), 2000);
  });
}

TEST(GlimmerClasses, TrigonometryFollowsTheTablesForAnyAngle) {
  run([] { expect_sines<com::sun::kjava::Trigonometric>(); });
}

}  // namespace
