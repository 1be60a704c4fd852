// The thread package: round robin, sleeping, start and end of threads, stack copies.
#include <gtest/gtest.h>

#include <cstdlib>

#include "program.h"
#include "test_classes.h"

namespace {

// Shared between threads: no thread may write into another thread's frames.
std::string g_log;
int64_t g_woke_at;
int g_checks_failed;
int g_finished;

PROGRAM_TEST(Scheduler, StrictRoundRobinAndSleepingThreadsSkippedUntilTheirWakeTime) {
  g_log.clear();
  for (char c : {'A', 'B', 'C'})
    spawn([c] {
      for (int i = 0; i < 3; i++) {
        g_log += c;
        coop_yield();
      }
    });
  for (int i = 0; i < 3; i++) {
    coop_yield();
    g_log += 'H';
  }
  EXPECT_EQ(g_log, "ABCHABCHABCH");
  yield_until([] { return thread_count() == 1; });
  EXPECT_EQ(thread_count(), 1);  // finished records are removed by later walks
  g_log.clear();
  g_woke_at = 0;
  int64_t start = coop_now_ms();
  spawn([] {
    coop_sleep(40);
    g_woke_at = coop_now_ms();
    g_log += 'S';
  });
  int headRounds = 0;
  while (g_log.empty()) {
    coop_yield();  // the head is taken at the end of every round
    headRounds++;
  }
  EXPECT_GE(g_woke_at, start + 40);
  EXPECT_GT(headRounds, 1);
}

PROGRAM_TEST(Scheduler, EntryThatNeverYieldsReturnsStraightToItsStarter) {
  g_log.clear();
  ThreadRecord* t = spawn([] { g_log += 'x'; });
  EXPECT_EQ(coop_yield(), 0);
  EXPECT_EQ(g_log, "x");
  EXPECT_EQ(coop_current(), coop_first());
  EXPECT_EQ(coop_is_alive(t), 0);
}

// Recurses to `depth`, yielding on the way down and up; every frame checks its locals.
__attribute__((noinline)) uint64_t churn(int depth, uint64_t seed) {
  volatile uint64_t locals[8];
  for (int i = 0; i < 8; i++)
    locals[i] = seed * 31 + static_cast<uint64_t>(i) + static_cast<uint64_t>(depth);
  if (depth % 7 == 0) coop_yield();
  uint64_t below = depth > 0 ? churn(depth - 1, seed + 1) : 0;
  if (depth % 5 == 0) coop_yield();
  uint64_t sum = 0;
  for (int i = 0; i < 8; i++) {
    if (locals[i] != seed * 31 + static_cast<uint64_t>(i) + static_cast<uint64_t>(depth))
      g_checks_failed++;
    sum += locals[i];
  }
  return sum + below;
}

PROGRAM_TEST(Scheduler, LocalsSurviveSwitchesAtEveryDepth) {
  g_checks_failed = 0;
  g_finished = 0;
  for (int depth : {3, 60, 400, 1500})
    spawn([depth] {
      uint64_t first = churn(depth, static_cast<uint64_t>(depth));
      uint64_t again = churn(depth, static_cast<uint64_t>(depth));
      if (first != again) g_checks_failed++;
      g_finished++;
    });
  EXPECT_TRUE(yield_until([] { return g_finished == 4; }, 100000));
  EXPECT_EQ(g_checks_failed, 0);
  EXPECT_EQ(churn(50, 9), churn(50, 9));  // and on the head, with the others gone
}

#if GTEST_HAS_DEATH_TEST
// Its predecessor becomes current. The removed thread cannot go on after that (its stack
// would be saved into the predecessor's record), so it runs in a child that exits at once.
PROGRAM_TEST(Scheduler, RemovingTheRunningThreadMakesItsPredecessorCurrent) {
  EXPECT_EXIT(
      {
        spawn([] {
          coop_remove(coop_current());
          std::_Exit(coop_current() == coop_first() ? 0 : 1);
        });
        coop_yield();
        std::_Exit(2);
      },
      testing::ExitedWithCode(0), "");
}
#endif

}  // namespace
