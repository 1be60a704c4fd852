// Tumbler's classes in process: placing, stepping and sending away the character, its
// slot and its random numbers. That a finished character leaves no trace: the Tumbler visit
// (programs_test); the manager drops it after its one last paint.
#include "apps/tumbler/Tumbler.h"

#include <gtest/gtest.h>

#include "apps/tumbler/AnimChar.h"
#include "apps/tumbler/AnimException.h"
#include "apps/tumbler/AnimManager.h"
#include "apps/tumbler/Pellow.h"
#include "apps/tumbler/Rectangle.h"
#include "apps/tumbler/class_list.h"
#include "in_process.h"
#include "java/util/Random.h"

using tumbler::AnimChar;
using tumbler::AnimManager;
using tumbler::Pellow;
using tumbler::Rectangle;

namespace {

void run(std::function<void()> body) { run_cleanly(tumbler::classes, std::move(body)); }

// A manager on Tumbler's stage whose thread is never started: the test ticks it.
Ref still_manager() {
  Ref volatile m = rt_new_object(AnimManager::klass.index);
  rt_init_class(AnimManager::klass.index);
  AnimManager::f(m).stage = tumbler::Tumbler::S().stage;
  AnimManager::f(m).chars =
      rt_new_ref_array(rt_class_index_by_name("[LAnimChar;"), AnimChar::klass.index, 1);
  return m;
}

Ref placed(Ref manager) {
  Ref volatile p = jnew<Pellow>();
  AnimManager::add(manager, p);
  return p;
}

jint state(Ref p) { return vcall(AnimChar::m_getState, p); }

// The one slot takes one character; freed, it takes the next, placed anew each time.
TEST(TumblerClasses, ANewCharacterStandsOnTheFloorAtAnEvenXAndWalksUpInTheOneSlot) {
  run([] {
    Ref m = still_manager();
    placed(m);
    EXPECT_EQ(thrown([m] { placed(m); }), "AnimException: Can't add any more");
    for (int i = 0; i < 50; i++) {
      AnimManager::remove(m, rt_array_load_ref(AnimManager::f(m).chars, 0));
      Ref p = placed(m);
      auto& c = Pellow::f(p);
      EXPECT_EQ(c.y, 114);
      EXPECT_EQ(c.x % 2, 0);
      EXPECT_GE(c.x, 2);
      EXPECT_LE(c.x, 140);
      EXPECT_EQ(state(p), Pellow::WALKING);
      EXPECT_EQ(c.dy, -2);
      EXPECT_TRUE(c.dx == 2 || c.dx == -2);
      EXPECT_TRUE(c.visible);
    }
  });
}

TEST(TumblerClasses, TheCharacterNeverLeavesTheStage) {
  run([] {
    Ref m = still_manager();
    Ref p = placed(m);
    for (int tick = 0; tick < 20000 && state(p) != Pellow::FINISHED; tick++) {
      vcall(AnimChar::m_update, p);
      auto& c = Pellow::f(p);
      EXPECT_TRUE(c.x >= 2 && c.x + 15 <= 157 && c.y >= 2 && c.y + 23 <= 137) << c.x << "," << c.y;
      if (state(p) == Pellow::LEAVING) Pellow::setState(p, Pellow::WALKING);  // keep it about
      if (::testing::Test::HasFailure()) return;
    }
  });
}

TEST(TumblerClasses, ByeMakesItLeaveWaveForSixteenTicksAndFinishOrLeaveFromStanding) {
  run([] {
    Ref m = still_manager();
    Ref p = placed(m);
    for (int i = 0; i < 3; i++) vcall(AnimChar::m_update, p);
    jint dx = Pellow::f(p).dx, dy = Pellow::f(p).dy;
    Pellow::bye(p);
    EXPECT_EQ(state(p), Pellow::LEAVING);
    EXPECT_EQ(Pellow::f(p).dx, -dx) << "a walking character turns round";
    EXPECT_EQ(Pellow::f(p).dy, -dy);
    int ticks = 0;
    while (state(p) == Pellow::LEAVING && ticks++ < 200) vcall(AnimChar::m_update, p);
    ASSERT_EQ(state(p), Pellow::WAVING) << "it reached an edge";
    Pellow::bye(p);
    EXPECT_EQ(state(p), Pellow::WAVING) << "bye while waving does nothing";
    int waves = 0;
    while (state(p) == Pellow::WAVING && waves < 100) {
      vcall(AnimChar::m_update, p);
      waves++;
    }
    EXPECT_EQ(waves, 16);
    EXPECT_EQ(state(p), Pellow::FINISHED);
    Pellow::bye(p);
    EXPECT_EQ(state(p), Pellow::FINISHED);
    AnimManager::remove(m, p);
    Ref q = placed(m);  // standing: leaves in a new direction
    Pellow::setState(q, Pellow::STANDING);
    Pellow::bye(q);
    EXPECT_EQ(state(q), Pellow::LEAVING);
    EXPECT_NE(Pellow::f(q).dx, 0) << "every direction moves sideways";
  });
}

// The absolute value of the smallest int is itself: taken before the remainder it would
// give a negative slot (and an index outside the direction tables).
TEST(TumblerClasses, RandomStaysInRangeWhenTheGeneratorGivesTheSmallestInt) {
  run([] {
    Ref random = AnimManager::S().random;
    // The seed whose next step yields 0x80000000 as the top 32 of its 48 bits.
    const uint64_t mask = (uint64_t{1} << 48) - 1, mul = 0x5DEECE66DULL;
    uint64_t inverse = 1;  // of mul modulo 2^48, by Newton's iteration
    for (int i = 0; i < 6; i++) inverse = (inverse * (2 - mul * inverse)) & mask;
    uint64_t wanted = uint64_t{0x80000000} << 16;
    for (jint n : {5, 6, 10, 70}) {
      java::util::Random::f(random).seed = static_cast<jlong>(((wanted - 0xB) * inverse) & mask);
      jint r = AnimManager::random(n);
      EXPECT_GE(r, 0) << "n " << n;
      EXPECT_LT(r, n) << "n " << n;
    }
    java::util::Random::f(random).seed = static_cast<jlong>(((wanted - 0xB) * inverse) & mask);
    EXPECT_EQ(vcall(java::util::Random::m_nextInt, random), INT32_MIN)
        << "the seed is the one meant";
  });
}

}  // namespace
