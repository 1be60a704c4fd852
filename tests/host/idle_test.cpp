// The idle wait changes nothing a program sees: Tumbler driven by the same script, with
// the wait on and off, shows the same screens after each event, and every round switches
// to the same threads in the same order.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "apps/tumbler/Tumbler.h"
#include "apps/tumbler/class_list.h"
#include "in_process.h"
#include "scratch.h"

namespace {

struct Outcome {
  std::vector<std::string> shots;
  std::set<std::vector<uint64_t>> rounds;  // which threads each round switched to
  uint64_t roundCount = 0;
  std::vector<uint64_t> last;  // switch counts at the application thread's last turn
};
Outcome* g_outcome;

// Tumbler's main, then what the application thread does once main returns (it yields
// forever), noting at each turn which threads were switched to since its last turn.
void tumbler_main() {
  tumbler::Tumbler::main(nullptr);
  std::vector<uint64_t>& last = g_outcome->last;  // not in this frame: it is never unwound
  for (;;) {
    coop_yield();
    std::vector<uint64_t> now, taken;
    for (ThreadRecord* t = coop_first(); t; t = coop_next(t)) now.push_back(t->switches);
    if (now.size() == last.size()) {
      for (size_t i = 0; i < now.size(); i++) taken.push_back(now[i] - last[i]);
      g_outcome->rounds.insert(taken);
      g_outcome->roundCount++;
    }
    last = now;
  }
}

// Shots fall half-way between the animation's 300 ms ticks, so both runs see the same
// number of ticks; the fixed clock gives both the same random seed.
Outcome run_tumbler(bool idleWait) {
  Outcome out;
  g_outcome = &out;
  std::string dir = scratch_dir(idleWait ? "on" : "off") + "/";
  std::string script = "wait 150\nshot " + dir + "0.png\n";
  const char* taps[] = {"30 296", "70 296", "30 296", "30 296", "70 296"};  // Come on, Bye
  for (int i = 0; i < 5; i++)
    script += std::string("tap ") + taps[i] + "\nwait 600\nshot " + dir + std::to_string(i + 1) +
              ".png\n";
  script += "close\n";
  run_in_process({.classes = tumbler::classes,
                  .body = tumbler_main,
                  .script = script,
                  .idleWait = idleWait,
                  .clock = 1700000000000});
  for (int i = 0; i <= 5; i++) out.shots.push_back(file_bytes(dir + std::to_string(i) + ".png"));
  return out;
}

TEST(IdleWait, SameScreensAndThreadOrderWithTheWaitOnAndOff) {
  // Script waits are wall time: a process descheduled for longer than the 150 ms margin
  // shifts a shot by one animation tick in either run. A real difference shows in every
  // pair, so three pairs are tried and the first identical one is taken.
  Outcome off, on;
  for (int attempt = 0; attempt < 3; attempt++) {
    off = run_tumbler(false), on = run_tumbler(true);
    if (off.shots == on.shots) break;
  }
  ASSERT_EQ(off.shots.size(), on.shots.size());
  for (size_t i = 0; i < off.shots.size(); i++) {
    EXPECT_FALSE(off.shots[i].empty()) << i;
    EXPECT_EQ(off.shots[i], on.shots[i]) << "screen after event " << i;
  }
  EXPECT_NE(off.shots[0], off.shots[1]);  // the character came: the events did something
  // The same order with and without the wait: every round switches to each thread at most
  // once, and to the host loop, the message pump and the application thread exactly once;
  // the spotlet and animation threads only when their sleeps are over. The wait only
  // makes the idle rounds fewer.
  for (const Outcome* o : {&off, &on})
    for (const auto& r : o->rounds)
      for (size_t t = 0; t < r.size(); t++) {
        if (t < 3) {
          EXPECT_EQ(r[t], 1u) << "thread " << t;
        }
        EXPECT_LE(r[t], 1u) << "thread " << t;
      }
  EXPECT_LT(on.roundCount * 10, off.roundCount);
}

}  // namespace
