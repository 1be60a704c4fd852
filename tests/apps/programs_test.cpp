// The three programs end to end: each real executable run headless with a script, judged
// by its screenshots, its console and its exit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>

#include "apps/tumbler/PellowFrames.h"
#include "picture.h"
#include "run_executable.h"

namespace {

// Device pixels inside the box x0..x1, y0..y1 that differ between two shots.
int changed(const Screen& a, const Screen& b, int x0, int y0, int x1, int y1) {
  int n = 0;
  for (int y = y0; y <= y1; y++)
    for (int x = x0; x <= x1; x++) n += a.at(x, y) != b.at(x, y);
  return n;
}

struct Box {
  int x0 = 160, y0 = 160, x1 = -1, y1 = -1;
};
Box ink_box(const Screen& s, int x0, int y0, int x1, int y1) {
  Box b;
  for (int y = y0; y <= y1; y++)
    for (int x = x0; x <= x1; x++)
      if (!s.white(x, y))
        b = {std::min(b.x0, x), std::min(b.y0, y), std::max(b.x1, x), std::max(b.y1, y)};
  return b;
}

// The programs' first screens are reference pictures, tests/apps/pictures/NAME-first.png:
// shots that the first line of a script takes (the animations' first frames are fixed by the
// programs' own rules), looked at and checked against those rules before they were committed.
// To make them again after a deliberate change: build/dev/tests/apps/apps_programs_test, then
// copy first.png (start.png for Tumbler) from the failed run's $TMPDIR/palm_tests_*/ folders.
std::string first_screen(const std::string& program) {
  return std::string(PICTURES) + "/" + program + "-first.png";
}

// One run: the first screen (the hint, the logo as its first frames leave it, the Exit
// button), the logo turning, then keys and strokes that must not end it. (The status line:
// SpindriftClasses.)
TEST(Spindrift, ShowsTheHintTheExitButtonTheTurningLogoAndOnlyExitEndsIt) {
  std::string dir = scratch_dir("spindrift");
  ProgramRun r = run_executable(
      SPINDRIFT, "", dir,
      "shot first.png\nwait 400\nshot a.png\nwait 150\nshot b.png\nwait 300\nshot c.png\n"
      "char 97\nkey 38\nkey 38\nkey 40\n" +
          script_tap(60, 60) +
          "down 80 80\nmove 100 90\nup 120 100\nwait 300\nshot s.png\nclose\n");
  ASSERT_EQ(r.status, 0) << r.err;
  Screen first = read_shot(dir + "/first.png");
  EXPECT_TRUE(same_picture(first, first_screen("spindrift")));
  // A wait is wall time: a run descheduled across it may take the next shot before the
  // animation thread has had a turn, so the logo must have moved by one of two later shots.
  Screen a = read_shot(dir + "/a.png"), b = read_shot(dir + "/b.png");
  Screen c = read_shot(dir + "/c.png");
  EXPECT_GT(std::max(changed(a, b, 0, 14, 159, 140), changed(a, c, 0, 14, 159, 140)), 20)
      << "the logo moved after the first shot";
  EXPECT_TRUE(b.sameRegion(first, 0, 0, 159, 12)) << "the hint stays";
  EXPECT_TRUE(b.sameRegion(first, 136, 143, 159, 159)) << "the Exit button stays put";
  EXPECT_TRUE(read_shot(dir + "/s.png").ok) << "other keys and strokes did not end it";
}

constexpr int kLogoBottom = 143;  // the logo's area ends above the button strip

// One run: the first screen (the logo as its first frames leave it, the Stop and Exit buttons);
// running, stopped, started again; the bottom corners are never erased. (The page keys and
// the near limit: GlimmerClasses.)
TEST(Glimmer, StopStartAndTheBottomCorners) {
  std::string dir = scratch_dir("glimmer");
  const std::string names[] = {"first", "run1", "run2", "stop1", "stop2", "go1", "go2"};
  const std::string steps[] = {"",           "wait 300\n",
                               "wait 100\n", script_tap(8, 151) + "wait 400\n",
                               "wait 400\n", script_tap(8, 151) + "wait 400\n",
                               "wait 100\n"};
  std::string script;
  for (int i = 0; i < 7; i++) script += steps[i] + "shot " + names[i] + ".png\n";
  ProgramRun r = run_executable(GLIMMER, "", dir, script + "close\n");
  ASSERT_EQ(r.status, 0) << r.err;
  std::map<std::string, Screen> s;
  for (int i = 0; i < 7; i++) {
    const std::string& n = names[i];
    s[n] = read_shot(dir + "/" + n + ".png");
    ASSERT_TRUE(s[n].ok) << n;
    const Screen& same = s[i == 3 || i == 4 ? "stop1" : "first"];  // paused: reads Start
    EXPECT_TRUE(s[n].sameRegion(same, 0, 144, 29, 159)) << n << ": the Stop corner";
    EXPECT_TRUE(s[n].sameRegion(s["first"], 130, 144, 159, 159)) << n << ": the Exit corner";
  }
  EXPECT_TRUE(same_picture(s["first"], first_screen("glimmer")));
  EXPECT_GT(changed(s["run1"], s["run2"], 0, 0, 159, kLogoBottom), 20) << "the logo tumbles";
  EXPECT_EQ(s["stop1"].px, s["stop2"].px) << "Stop freezes the picture";
  EXPECT_GT(s["stop1"].inked(0, 0, 159, kLogoBottom), 50) << "the last frame stays on screen";
  EXPECT_GT(changed(s["go1"], s["go2"], 0, 0, 159, kLogoBottom), 20) << "Start resumes the motion";
  // "Start" is wider than "Stop": the frame's right edge moves right, and back after Start.
  Box stopLabel = ink_box(s["first"], 0, 144, 40, 159);
  Box startLabel = ink_box(s["stop1"], 0, 144, 40, 159);
  EXPECT_EQ(startLabel.x0, stopLabel.x0);
  EXPECT_GT(startLabel.x1, stopLabel.x1) << "the button reads \"Start\" while paused";
  EXPECT_TRUE(s["go1"].sameRegion(s["first"], 0, 144, 40, 159)) << "and \"Stop\" again";
}

// Stage (2, 2, 156, 136): its inside is x 2..157, y 2..137.
constexpr int kStageX0 = 2, kStageY0 = 2, kStageX1 = 157, kStageY1 = 137;

// Tumbler's first screen, the empty stage: one ring around the stage, corners rounded by 4,
// and the Come on, Bye and Exit buttons below it.
const std::string kEmptyStage = first_screen("tumbler");

struct Found {
  int frame = -1, x = -1, y = -1, count = 0;
};

// Every place inside the stage where a picture sits pixel-exact, its 16 x 24 block matching
// the frame bit for bit (set bits black, clear bits white).
Found find_character(const Screen& s) {
  Found f;
  for (int y = kStageY0; y + 23 <= kStageY1; y++)
    for (int x = kStageX0; x + 15 <= kStageX1; x++)
      for (int k = 0; k < 8; k++) {
        bool match = true;
        for (int row = 0; row < 24 && match; row++)
          for (int col = 0; col < 16 && match; col++) {
            bool set = kPellowFrames[k][row] & (0x8000 >> col);
            match = set ? s.black(x + col, y + row) : s.white(x + col, y + row);
          }
        if (match) {
          if (f.count++ == 0) f = {k, x, y, 1};
          break;
        }
      }
  return f;
}

// Pixels that differ from the empty stage outside the character's block. The ring's rounded
// corners reach into the stage: a character standing in a corner draws over those few pixels
// and its erased block clears them, so they may be white.
int stray_ink(const Screen& s, const Found& c) {
  Screen empty = read_shot(kEmptyStage);
  if (!empty.ok) return -1;
  int n = 0;
  for (int y = 0; y < 160; y++)
    for (int x = 0; x < 160; x++) {
      bool inside = c.count && x >= c.x && x < c.x + 16 && y >= c.y && y < c.y + 24;
      bool corner = x >= kStageX0 && x <= kStageX1 && y >= kStageY0 && y <= kStageY1 &&
                    empty.black(x, y) && s.white(x, y);
      n += !inside && !corner && s.at(x, y) != empty.at(x, y);
    }
  return n;
}

// One run: an empty stage; Come on brings one character, a second Come on changes nothing;
// Bye sends it away without a trace. "-nocolor" is another program's switch: one bit a pixel.
TEST(Tumbler, ComeOnBringsOneCharacterAndByeSendsItAwayWithoutATrace) {
  std::string dir = scratch_dir("tumbler_visit");
  ProgramRun r = run_executable(TUMBLER, "-nocolor", dir,
                                "wait 700\nshot start.png\n" + script_tap(20, 148) +
                                    "wait 700\nshot come.png\n" + script_tap(20, 148) +
                                    "wait 700\nshot again.png\n" + script_tap(62, 148) +
                                    "wait 3000\nshot wave.png\nwait 5700\nshot gone.png\nclose\n",
                                40);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(same_picture(read_shot(dir + "/start.png"), kEmptyStage));

  // Come on: one character, walking (frames 2 to 5), nothing else changed; where it is
  // placed: TumblerClasses. A second Come on changes nothing: still exactly one.
  for (const char* name : {"come.png", "again.png"}) {
    Screen s = read_shot(dir + "/" + name);
    Found c = find_character(s);
    ASSERT_EQ(c.count, 1) << name << ": one picture, pixel-exact";
    EXPECT_GE(c.frame, 2) << name;
    EXPECT_LE(c.frame, 5) << name;
    EXPECT_EQ(stray_ink(s, c), 0) << name;
  }

  // Bye: back down to the floor it walked up from, where it waves (frames 6 and 7).
  Screen wave = read_shot(dir + "/wave.png");
  Found w = find_character(wave);
  ASSERT_EQ(w.count, 1);
  EXPECT_GE(w.frame, 6) << "waving goodbye";
  EXPECT_EQ(stray_ink(wave, w), 0);

  // Then it vanishes, leaving no trace.
  EXPECT_EQ(stray_ink(read_shot(dir + "/gone.png"), Found{}), 0);
}

// All three: the program's own exit ends it with status 0 (no close in the script: only
// the program can end the run in time); the console shows the banner first, once.
TEST(Programs, ExitEndsTheProgramWithStatusZeroAndTheConsoleShowsTheBanner) {
  struct Case {
    const char* program;
    const char* args;
    std::string exit;
    const char* out;  // the whole console
  };
  const Case cases[] = {
      {SPINDRIFT, "-console", "char 120\n", "Spindrift console started ...\n"},  // x key
      {SPINDRIFT, "", script_tap(145, 151), ""},                                 // Exit
      {GLIMMER, "-console /console", script_tap(145, 152), "Glimmer console started ...\n"},
      {TUMBLER, "-console", script_tap(140, 148), "Tumbler console started ...\n"},
  };
  for (const Case& c : cases) {
    std::string dir = scratch_dir("exit");
    ProgramRun r =
        run_executable(c.program, c.args, dir, "wait 200\n" + c.exit + "wait 20000\n", 10);
    EXPECT_FALSE(r.timedOut) << c.program;
    EXPECT_EQ(r.status, 0) << c.program;
    EXPECT_LT(r.seconds, 5) << c.program;
    EXPECT_EQ(r.out, c.out) << c.program;
  }
}

// The Windows build under wine: each program starts and shows its first screen, the same
// pixels as the Linux build's but for the text, which the Windows build draws in the system's
// own font: the rows of the logo or the stage equal, and the buttons below them inked.
TEST(WindowsBuild, EachProgramStartsAndShowsItsFirstScreen) {
  if (!wine_ready()) GTEST_SKIP() << "no PALM_WINDOWS_APPS or no wine";
  struct Case {
    std::string name, exit;
    int y0, y1;  // the rows without text
  };
  const Case cases[] = {{"spindrift", "char 120\n", 14, 140},
                        {"glimmer", script_tap(145, 152), 0, 143},
                        {"tumbler", script_tap(140, 148), 0, 139}};
  for (const Case& c : cases) {
    std::string dir = scratch_dir("windows_" + c.name);
    ProgramRun r = run_under_wine(c.name + "/" + c.name + ".exe", dir,
                                  "shot s.png\nwait 1500\n" + c.exit + "wait 20000\n");
    EXPECT_EQ(r.status, 0) << c.name << r.err;
    Screen s = read_shot(dir + "/s.png");
    ASSERT_TRUE(s.ok) << c.name;
    EXPECT_TRUE(s.sameRegion(read_shot(first_screen(c.name)), 0, c.y0, 159, c.y1)) << c.name;
    EXPECT_GT(s.inked(0, 141, 159, 159), 40) << c.name << ": the buttons";
  }
}

// At "-scale 3" the script still works in scale-1 window units: its window picture is the
// one at scale 1, and its tap lands on Glimmer's Stop button, which then reads Start.
TEST(WindowsBuild, ScaledWindowKeepsScaleOnePicturesAndTaps) {
  if (!wine_ready()) GTEST_SKIP() << "no PALM_WINDOWS_APPS or no wine";
  std::string pictures[2];
  const char* scales[] = {"-scale 1", "-scale 3"};
  for (int i = 0; i < 2; i++) {
    std::string dir = scratch_dir(std::string("windows_scale_") + std::to_string(i));
    ProgramRun r =
        run_under_wine("orbitale/orbitale.exe", dir, "wait 1500\nwindow w.png\nclose\n", scales[i]);
    EXPECT_EQ(r.status, 0) << scales[i] << r.err;
    pictures[i] = file_bytes(dir + "/w.png");
  }
  EXPECT_GT(pictures[0].size(), 1000u) << "a window picture";
  EXPECT_TRUE(pictures[0] == pictures[1]) << "the same picture at scale 1 and 3";

  std::string dir = scratch_dir("windows_scale_tap");
  ProgramRun r = run_under_wine(
      "glimmer/glimmer.exe", dir,
      "wait 1500\nshot a.png\n" + script_tap(10, 150) + "wait 800\nshot b.png\nclose\n",
      "-scale 3");
  EXPECT_EQ(r.status, 0) << r.err;
  Screen a = read_shot(dir + "/a.png"), b = read_shot(dir + "/b.png");
  ASSERT_TRUE(a.ok && b.ok);
  // "Start" is wider than "Stop": the frame's right edge moved right.
  EXPECT_GT(ink_box(b, 0, 144, 40, 159).x1, ink_box(a, 0, 144, 40, 159).x1) << "Stop became Start";
}

}  // namespace
