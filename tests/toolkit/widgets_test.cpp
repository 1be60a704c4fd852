// The widgets end to end: the toolkit's test program run headless with a script, judged by
// its screenshots (the Meter at the bottom tallies every event as rows of marks), pictures of
// whole screens, and its console.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "picture.h"
#include "run_executable.h"

namespace {

// Where the test program puts things, in device pixels (the frame's panel starts at y 16).
constexpr int kPanelY = 16;
constexpr int kMeterY = kPanelY + 92, kMeterRow = 4;
enum Row { OK_FIRED, BOLD, RADIO, LIST, CHOICE, BAR, BAR_TYPE, BAR_VALUE, MENU, MENU_ITEM };
constexpr int kListRowY = kPanelY + 35, kRow = 12;
constexpr int kBarX = 74, kBarY = kPanelY + 54;
constexpr uint32_t kAccent = 0x330099;

std::string at(const char* cmd, int x, int y) { return script_pen(cmd, x, y); }
std::string tap(int x, int y) { return script_tap(x, y); }
std::string chr(int code) { return "char " + std::to_string(code) + "\n"; }
// A shot waits until the events before it are taken and painted, however busy the machine.
std::string shot(const char* name) { return std::string("settle\nshot ") + name + ".png\n"; }

// Palm key codes that the toolkit maps to its keys.
constexpr int kDown = 31, kLeft = 28, kEnter = 13;
const std::string kAccept = chr(5894);

// Pictures of whole screens (pictures/SESSION_SHOT.png), shot by these tests' own scripts,
// looked at once and checked against the widgets' rules before they were committed. To make
// them again: run toolkit_widgets_test --gtest_filter='Widgets.*'; a failed run keeps its
// folder (named on the console), and its shots are copied over the pictures.
//   widgets_pen_s: the first screen: the accent title bar, the three buttons, Red on, the
//     list with a vertical bar (eight rows do not fit), the choice showing Small, the bar at
//     0 (its thumb right after the left arrow), nothing tallied.
//   widgets_pen_bar: a block increment: value 10, the thumb moved by 10 * 70 / 100.
//   widgets_pen_choice: the choice's popup, the list's packed size (3 rows and the border,
//     38 high) centred on the choice (50 + 6 - 19 = 37), Small highlighted.
//   widgets_pen_dragged: the list row under the pen inverted, the first row not; nothing
//     chosen before the release.
//   widgets_pen_file: the strip from the title bar, File selected (black from x 5), its menu
//     with its left border at x 4.
//   widgets_keys_open: the strip opened by the Menu key, no title selected.
//   widgets_keys_chosen: the list's second row chosen by the keys and inverted.
struct Session {
  std::string name, dir;
  ProgramRun result;
  Screen operator[](const char* shot) const { return read_shot(dir + "/" + shot + ".png"); }
  ::testing::AssertionResult same(const char* shot) const {
    return same_picture((*this)[shot], std::string(PICTURES "/") + name + "_" + shot + ".png");
  }
};

Session play(const char* test, const std::string& script, const char* args = "") {
  Session r{test, scratch_dir(test), {}};
  r.result = run_executable(WIDGETS, args, r.dir, "settle\n" + script + "close\n");
  EXPECT_EQ(r.result.err.find("Fatal error"), std::string::npos) << r.result.err;
  return r;
}

// Marks in a row of the meter: runs of black along its middle line.
int marks(const Screen& s, int row) {
  int y = kMeterY + row * kMeterRow + 1, n = 0;
  for (int x = 0; x < 160; x++) n += s.black(x, y) && (x == 0 || !s.black(x - 1, y));
  return n;
}

// One run of the program for every pen-driven widget, each tallying in its own meter row;
// the widgets' own rules (bar arithmetic, list keys, menu placement, modal dialogs) are
// pinned in process (widget_rules_test.cpp, spine_test.cpp).
TEST(Widgets, PenDrivenWidgetsInOneRun) {
  Session r = play(
      "widgets_pen",
      shot("s") +
          // the button fires on a release inside only
          at("down", 7, 24) + shot("pressed") + at("move", 7, 70) + shot("off") +
          at("move", 60, 70) + at("up", 60, 70) + shot("outside") + tap(7, 24) + shot("tapped") +
          // check box, a radio, the scroll bar after its thumb
          tap(5, kPanelY + 24) + shot("bold") + tap(98, kPanelY + 24) + shot("blue") +
          tap(kBarX + 30, kBarY + 3) + shot("bar") +
          // the choice's popup, centred on it: 50 + 6 - 19 = 37
          tap(80, kPanelY + 40) + shot("choice") + tap(80, 37 + 1 + 2 * kRow + 6) + shot("chosen") +
          // a list row pressed and dragged
          at("down", 20, kListRowY + 6) + at("move", 20, kListRowY + 30) + shot("dragged") +
          at("up", 20, kListRowY + 30) + shot("released") +
          // File's menu from the title bar: window at (4, 14), rows from y 13
          tap(100, 5) + tap(12, 7) + shot("file") + tap(20, 13 + 6) + shot("dialog") + tap(65, 92) +
          shot("hidden"),
      "-console");
  ASSERT_EQ(r.result.status, 0) << r.result.err;

  for (const char* picture : {"s", "bar", "choice", "dragged", "file"})
    EXPECT_TRUE(r.same(picture)) << picture;

  EXPECT_EQ(r["pressed"].at(4, kPanelY + 4), kAccent) << "drawn pressed under the pen";
  EXPECT_TRUE(r["off"].white(4, kPanelY + 4)) << "dragged off: drawn up";
  EXPECT_EQ(marks(r["outside"], OK_FIRED), 0) << "released outside: no action";
  EXPECT_EQ(marks(r["tapped"], OK_FIRED), 1) << "the first listener stays, called once";
  // The program adds a second listener to each; the toolkit refuses it with its message.
  for (const char* refusal : {"Button: kawt supports only one listener of each type per "
                              "Component!\n",
                              "MenuItem: Only one ActionListener allowed\n"})
    EXPECT_NE(r.result.out.find(refusal), std::string::npos) << r.result.out;

  Screen bold = r["bold"], blue = r["blue"];
  EXPECT_GE(bold.inked(3, kPanelY + 23, 7, kPanelY + 27), 4) << "a tick in the box";
  EXPECT_EQ(marks(bold, BOLD), 1);
  EXPECT_EQ(marks(blue, RADIO), 1) << "one event: Blue on; Red goes off silently";
  EXPECT_TRUE(blue.black(98, kPanelY + 24) && blue.white(53, kPanelY + 24));
  Screen chosen = r["chosen"], dialog = r["dialog"], hidden = r["hidden"];
  EXPECT_EQ(marks(chosen, CHOICE), 1);
  EXPECT_FALSE(chosen.black(74, 38)) << "the popup closed";
  EXPECT_EQ(marks(r["released"], LIST), 1) << "the row released on";
  EXPECT_EQ(dialog.at(60, 63), kAccent) << "the non-modal dialog's title bar";
  EXPECT_EQ(marks(hidden, MENU_ITEM), 1) << "File's first item";
  EXPECT_NE(hidden.at(60, 63), kAccent) << "hidden again";
}

// Keys go to the menu bar, then to the list, which has the focus until the pen moves it.
TEST(Widgets, KeysDriveTheListAndTheMenuBarInOneRun) {
  Session r =
      play("widgets_keys",
           // the Menu key opens the strip and closes it; left from none wraps to the last
           shot("before") + "press Menu\n" + shot("open") + "press Menu\n" + shot("closed") +
               "press Menu\n" + chr(kLeft) + chr(kEnter) + kAccept + shot("item") +
               // the list has the focus again; accept chooses the row (its meter mark too)
               chr(kDown) + chr(kDown) + kAccept + shot("chosen"));
  ASSERT_EQ(r.result.status, 0) << r.result.err;
  Screen item = r["item"];
  for (const char* picture : {"open", "chosen"}) EXPECT_TRUE(r.same(picture)) << picture;
  EXPECT_TRUE(r["closed"].sameRegion(r["before"], 0, 0, 159, 159)) << "closed: the frame as it was";
  EXPECT_EQ(marks(item, MENU_ITEM), 7) << "Help's item, the seventh";
  EXPECT_TRUE(item.sameRegion(r["before"], 0, 30, 159, 100)) << "every popup closed";
}

// The Windows build under wine (see the programs' tests): the first screen.
TEST(WindowsBuild, WidgetsStartsAndShowsItsFirstScreen) {
  if (!wine_ready()) GTEST_SKIP() << "no PALM_WINDOWS_APPS or no wine";
  std::string dir = scratch_dir("windows_widgets");
  ProgramRun r =
      run_under_wine("../tests/toolkit/demo/widgets.exe", dir, "wait 1500\nshot s.png\nclose\n");
  EXPECT_EQ(r.status, 0) << r.err;
  // The system's font draws the text there; the pieces without text are as in the picture:
  // the buttons' left edges, Red's circle, Bold's box, the title's rule, the list's top border
  // and its bar, the horizontal bar, the empty meter.
  Screen s = read_shot(dir + "/s.png"), want = read_shot(PICTURES "/widgets_pen_s.png");
  ASSERT_TRUE(s.ok && want.ok);
  const int noText[][4] = {{2, 18, 3, 31},    {30, 18, 31, 31}, {70, 18, 71, 31},
                           {50, 36, 58, 44},  {2, 36, 8, 44},   {100, 13, 159, 14},
                           {2, 50, 67, 50},   {60, 51, 66, 98}, {74, 70, 155, 76},
                           {0, 108, 159, 159}};
  for (auto [x0, y0, x1, y1] : noText)
    EXPECT_TRUE(s.sameRegion(want, x0, y0, x1, y1)) << x0 << ", " << y0;
}

}  // namespace
