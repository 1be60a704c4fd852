// The widgets end to end: the toolkit's test program run headless with a script, judged by
// its screenshots (the Meter at the bottom tallies every event as rows of marks) and its
// console.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "picture.h"
#include "run_executable.h"

namespace {

// Where the test program puts things, in device pixels (the frame's panel starts at y 16).
constexpr int kPanelY = 16;
constexpr int kMeterY = kPanelY + 92, kMeterRow = 4;
enum Row { OK_FIRED, BOLD, RADIO, LIST, CHOICE, BAR, BAR_TYPE, BAR_VALUE, MENU, MENU_ITEM, MODAL };
constexpr int kListX = 2, kListY = kPanelY + 34, kListRowY = kListY + 1, kRow = 12;
constexpr int kBarX = 74, kBarY = kPanelY + 54, kBarLength = 82;
constexpr uint32_t kAccent = 0x330099;

std::string at(const char* cmd, int x, int y) { return script_pen(cmd, x, y); }
std::string tap(int x, int y) { return script_tap(x, y); }
std::string chr(int code) { return "char " + std::to_string(code) + "\n"; }
// A shot waits long enough for the events before it on a busy machine.
std::string shot(const char* name) { return std::string("wait 300\nshot ") + name + ".png\n"; }

// Palm key codes that the toolkit maps to its keys.
constexpr int kDown = 31, kUp = 30, kLeft = 28, kRight = 29, kEnter = 13;
const std::string kAccept = chr(5894), kCancel = chr(5890) + chr(5894);

struct Session {
  std::string dir;
  ProgramRun result;
  Screen operator[](const char* name) const { return read_shot(dir + "/" + name + ".png"); }
};

Session play(const char* test, const std::string& script, const char* args = "") {
  Session r{scratch_dir(test), {}};
  r.result = run_executable(WIDGETS, args, r.dir, "wait 300\n" + script + "close\n");
  EXPECT_EQ(r.result.err.find("Fatal error"), std::string::npos) << r.result.err;
  return r;
}

// Marks in a row of the meter: runs of black along its middle line.
int marks(const Screen& s, int row) {
  int y = kMeterY + row * kMeterRow + 1, n = 0;
  for (int x = 0; x < 160; x++) n += s.black(x, y) && (x == 0 || !s.black(x - 1, y));
  return n;
}
// The bar's value: the length of the line in its row.
int line_length(const Screen& s, int row) {
  int y = kMeterY + row * kMeterRow + 1, n = 0;
  while (n < 160 && s.black(2 + n, y)) n++;
  return n;
}

// Black pixels along a horizontal run.
int black_run(const Screen& s, int y, int x0, int x1) {
  int n = 0;
  for (int x = x0; x <= x1; x++) n += s.black(x, y);
  return n;
}

// The list row at screen y `top` shown inverted: its last line, below the text, black.
bool row_inverted(const Screen& s, int top) { return black_run(s, top + 11, 3, 55) == 53; }

// The horizontal bar's thumb: the black run on its middle line between the arrows.
struct Span {
  int x0 = -1, x1 = -1;
};
Span thumb(const Screen& s) {
  Span t;
  for (int x = kBarX + 6; x < kBarX + kBarLength - 6; x++)
    if (s.black(x, kBarY + 3)) {
      if (t.x0 < 0) t.x0 = x;
      t.x1 = x;
    }
  return t;
}

// The strip: titles from x 5, the selected one filled black on row 1.
int selected_title_x(const Screen& s) {
  for (int x = 2; x < 157; x++)
    if (s.black(x, 1)) return x;
  return -1;
}

// The program's first screen, on either system.
void expect_first_screen(const Screen& s) {
  ASSERT_TRUE(s.ok);
  EXPECT_EQ(s.at(100, 14), kAccent) << "the frame's title bar";
  for (int x : {2, 30, 70})  // the buttons' frames: the left edge between the round corners
    for (int y = kPanelY + 4; y <= kPanelY + 13; y++) EXPECT_TRUE(s.black(x, y)) << x << "," << y;
  EXPECT_TRUE(s.black(53, kPanelY + 24)) << "Red is on";
  EXPECT_EQ(black_run(s, kListY, kListX + 1, kListX + 60), 60) << "the list's top border";
  EXPECT_GT(s.inked(kListX + 58, kListY + 1, kListX + 64, kListY + 48), 20)
      << "a vertical bar: eight rows do not fit";
  EXPECT_GT(s.inked(75, kPanelY + 34, 105, kPanelY + 45), 10) << "the choice shows Small";
  EXPECT_EQ(thumb(s).x0, kBarX + 7) << "value 0: the thumb right after the left arrow";
  EXPECT_EQ(s.inked(0, kMeterY, 159, kMeterY + 12 * kMeterRow - 1), 0) << "nothing tallied yet";
}

// One run of the program for every pen-driven widget, each tallying in its own meter row;
// the widgets' own rules (bar arithmetic, list keys, radio groups, menu placement, modal
// dialogs) are pinned in process (widget_rules_test.cpp, spine_test.cpp).
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
          tap(100, 5) + shot("strip") + tap(12, 7) + shot("file") + tap(20, 13 + 6) +
          shot("dialog") + tap(65, 92) + shot("hidden") +
          // Modal: a dialog at (20, 40), 120 x 50, its Close button at (60, 66)
          tap(36, 24) + shot("modal") + tap(65, 72) + "wait 600\n" + shot("closed"),
      "-console");
  ASSERT_EQ(r.result.status, 0) << r.result.err;

  expect_first_screen(r["s"]);

  EXPECT_EQ(r["pressed"].at(4, kPanelY + 4), kAccent) << "drawn pressed under the pen";
  EXPECT_TRUE(r["off"].white(4, kPanelY + 4)) << "dragged off: drawn up";
  EXPECT_EQ(marks(r["outside"], OK_FIRED), 0) << "released outside: no action";
  EXPECT_EQ(marks(r["tapped"], OK_FIRED), 1) << "the first listener stays, called once";
  // The program adds a second listener to each; the toolkit refuses it with its message.
  for (const char* refusal : {"Button: kawt supports only one listener of each type per "
                              "Component!\n",
                              "MenuItem: Only one ActionListener allowed\n"})
    EXPECT_NE(r.result.out.find(refusal), std::string::npos) << r.result.out;

  Screen bold = r["bold"], blue = r["blue"], bar = r["bar"];
  EXPECT_GE(bold.inked(3, kPanelY + 23, 7, kPanelY + 27), 4) << "a tick in the box";
  EXPECT_EQ(marks(bold, BOLD), 1);
  EXPECT_EQ(marks(blue, RADIO), 1) << "one event: Blue on; Red goes off silently";
  EXPECT_TRUE(blue.black(98, kPanelY + 24) && blue.white(53, kPanelY + 24));
  EXPECT_EQ(marks(bar, BAR), 1);
  EXPECT_EQ(line_length(bar, BAR_VALUE), 10) << "a block increment";
  EXPECT_EQ(thumb(bar).x0, kBarX + 10 * 70 / 100 + 6 + 1);

  // The popup: the list's packed size (3 rows + border = 38 high) at the choice's x.
  Screen open = r["choice"], chosen = r["chosen"];
  for (int y = 38; y <= 73; y++) EXPECT_TRUE(open.black(74, y)) << "left border, y " << y;
  EXPECT_EQ(black_run(open, 37 + 1 + 11, 76, 100), 25) << "the selection (Small) highlighted";
  EXPECT_EQ(marks(chosen, CHOICE), 1);
  EXPECT_FALSE(chosen.black(74, 38)) << "the popup closed";

  Screen dragged = r["dragged"];
  EXPECT_TRUE(row_inverted(dragged, kListRowY + 2 * kRow)) << "the row under the pen";
  EXPECT_FALSE(row_inverted(dragged, kListRowY));
  EXPECT_EQ(marks(dragged, LIST), 0) << "nothing chosen before the release";
  EXPECT_EQ(marks(r["released"], LIST), 1) << "the row released on";

  Screen strip = r["strip"], file = r["file"], dialog = r["dialog"], hidden = r["hidden"];
  EXPECT_EQ(black_run(strip, 0, 1, 157), 157) << "the title bar opens the strip";
  EXPECT_EQ(selected_title_x(file), 5);
  EXPECT_TRUE(file.black(4, 20)) << "the menu's left border at x 4";
  EXPECT_EQ(dialog.at(60, 63), kAccent) << "the non-modal dialog's title bar";
  EXPECT_EQ(marks(hidden, MENU_ITEM), 1) << "File's first item";
  EXPECT_NE(hidden.at(60, 63), kAccent) << "hidden again";

  EXPECT_EQ(r["modal"].at(60, 43), kAccent) << "the dialog's title bar";
  EXPECT_EQ(marks(r["modal"], MODAL), 0) << "the listener waits in show";
  EXPECT_EQ(marks(r["closed"], MODAL), 1) << "Close ran meanwhile, and the listener went on";
}

// Keys go to the menu bar, then to the list, which has the focus until the pen moves it.
TEST(Widgets, KeysDriveTheListAndTheMenuBarInOneRun) {
  Session r =
      play("widgets_keys",
           // the Menu key opens the strip and closes it; left from none wraps to the last
           shot("before") + "press Menu\n" + shot("open") + "press Menu\n" + shot("closed") +
               "press Menu\n" + chr(kLeft) + chr(kEnter) + kAccept + shot("item") +
               // the list has the focus again
               chr(kDown) + chr(kDown) + kAccept + shot("chosen"));
  ASSERT_EQ(r.result.status, 0) << r.result.err;
  Screen open = r["open"], item = r["item"], chosen = r["chosen"];
  EXPECT_EQ(black_run(open, 0, 1, 157), 157) << "the strip's top edge";
  EXPECT_EQ(selected_title_x(open), -1) << "no title selected";
  EXPECT_TRUE(r["closed"].sameRegion(r["before"], 0, 0, 159, 159)) << "closed: the frame as it was";
  EXPECT_EQ(marks(item, MENU_ITEM), 7) << "Help's item, the seventh";
  EXPECT_TRUE(item.sameRegion(r["before"], 0, 30, 159, 100)) << "every popup closed";
  EXPECT_EQ(marks(chosen, LIST), 1) << "accept chooses the row";
  EXPECT_TRUE(row_inverted(chosen, kListRowY + kRow));
}

// The Windows build under wine (see the programs' tests): the first screen.
TEST(WindowsBuild, WidgetsStartsAndShowsItsFirstScreen) {
  if (!wine_ready()) GTEST_SKIP() << "no PALM_WINDOWS_APPS or no wine";
  std::string dir = scratch_dir("windows_widgets");
  ProgramRun r =
      run_under_wine("../tests/toolkit/demo/widgets.exe", dir, "wait 1500\nshot s.png\nclose\n");
  EXPECT_EQ(r.status, 0) << r.err;
  expect_first_screen(read_shot(dir + "/s.png"));
}

}  // namespace
