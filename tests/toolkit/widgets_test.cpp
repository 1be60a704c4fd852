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

// The list's rows from `from` (screen y) in `a` are those from `to` in `b`, over `rows` rows.
bool rows_moved(const Screen& a, int from, const Screen& b, int to, int rows) {
  for (int y = 0; y < rows * kRow; y++)
    for (int x = kListX + 1; x <= kListX + 56; x++)
      if (a.at(x, from + y) != b.at(x, to + y)) return false;
  return true;
}

// The strip: titles from x 5, the selected one filled black on row 1.
int selected_title_x(const Screen& s) {
  for (int x = 2; x < 157; x++)
    if (s.black(x, 1)) return x;
  return -1;
}

// Horizontal bar, 82 long: arrows of 6, track 70, visible 10 of 0..100, so the thumb is 7
// long at value * 70 / 100 + 6.
struct BarStep {
  int p;  // along the bar
  int type, value;
};
const BarStep kBarSteps[] = {
    {30, 4, 10},  // after the thumb: block increment
    {80, 1, 11},  // on the far arrow: unit increment
    {2, 2, 10},   // on the near arrow: unit decrement
    {8, 3, 0},    // before the thumb: block decrement
    {2, 3, 0},    // at the minimum: no change, no event (the type stays)
};

// One run of the program for every pen-driven widget: each tallies in its own meter row, so
// the steps follow one another; the list's bar scrolls before its rows are pressed.
TEST(Widgets, PenDrivenWidgetsInOneRun) {
  const int listBarX = kListX + 61;
  std::string bar;
  for (size_t i = 0; i < std::size(kBarSteps); i++)
    bar += tap(kBarX + kBarSteps[i].p, kBarY + 3) + shot(("bar" + std::to_string(i)).c_str());
  Session r = play("widgets_pen",
                   shot("s") +
                       // the button fires on a release inside only
                       at("down", 7, 24) + shot("pressed") + at("move", 7, 70) + shot("off") +
                       at("move", 8, 25) + shot("back") + at("move", 60, 70) + at("up", 60, 70) +
                       shot("outside") + tap(7, 24) + shot("tapped") +
                       // check box and radios
                       tap(5, kPanelY + 24) + shot("bold") + tap(5, kPanelY + 24) + shot("plain") +
                       tap(53, kPanelY + 24) + shot("red") + tap(98, kPanelY + 24) + shot("blue") +
                       tap(98, kPanelY + 24) + shot("blue2") +
                       // the scroll bar's steps, then its thumb dragged past the end
                       bar + at("down", kBarX + 9, kBarY + 3) + at("move", kBarX + 50, kBarY + 3) +
                       shot("mid") + at("move", kBarX + 70, kBarY + 3) +
                       at("move", 159, kBarY + 3) + at("up", 159, kBarY + 3) + shot("end") +
                       // the choice's popup, centred on it: 50 + 6 - 19 = 37
                       tap(80, kPanelY + 40) + shot("choice") + tap(80, 37 + 1 + 2 * kRow + 6) +
                       shot("chosen") +
                       // the list's own bar, then a row pressed and dragged
                       shot("top") + tap(listBarX, kListRowY + 46) + shot("unit") +
                       tap(listBarX, kListRowY + 40) + shot("block") +
                       at("down", 20, kListRowY + 6) + at("move", 20, kListRowY + 30) +
                       shot("dragged") + at("up", 20, kListRowY + 30) + shot("released") +
                       // File's menu from the title bar: window at (4, 14), rows from y 13
                       tap(100, 5) + shot("strip") + tap(12, 7) + shot("file") + tap(20, 13 + 6) +
                       shot("dialog") + tap(65, 92) + shot("hidden") +
                       // Modal: a dialog at (20, 40), 120 x 50, its Close button at (60, 66)
                       tap(36, 24) + shot("modal") + tap(7, 24) + shot("blocked") + tap(65, 72) +
                       "wait 600\n" + shot("closed"),
                   "-console");
  ASSERT_EQ(r.result.status, 0) << r.result.err;

  Screen s = r["s"];
  ASSERT_TRUE(s.ok);
  EXPECT_EQ(s.at(100, 14), kAccent) << "the frame's title bar";
  for (int x : {2, 30, 70})  // the buttons' frames: the left edge between the round corners
    for (int y = kPanelY + 4; y <= kPanelY + 13; y++) EXPECT_TRUE(s.black(x, y)) << x << "," << y;
  EXPECT_TRUE(s.black(53, kPanelY + 24)) << "Red is on";
  EXPECT_TRUE(s.white(98, kPanelY + 24)) << "Blue is off";
  EXPECT_EQ(black_run(s, kListY, kListX + 1, kListX + 60), 60) << "the list's top border";
  EXPECT_GT(s.inked(kListX + 58, kListY + 1, kListX + 64, kListY + 48), 20)
      << "a vertical bar: eight rows do not fit";
  EXPECT_GT(s.inked(75, kPanelY + 34, 105, kPanelY + 45), 10) << "the choice shows Small";
  EXPECT_EQ(thumb(s).x0, kBarX + 7) << "value 0: the thumb right after the left arrow";
  EXPECT_EQ(s.inked(0, kMeterY, 159, kMeterY + 12 * kMeterRow - 1), 0) << "nothing tallied yet";

  EXPECT_EQ(r["pressed"].at(4, kPanelY + 4), kAccent) << "drawn pressed under the pen";
  EXPECT_TRUE(r["off"].white(4, kPanelY + 4)) << "dragged off: drawn up";
  EXPECT_EQ(r["back"].at(4, kPanelY + 4), kAccent) << "dragged back inside: pressed again";
  Screen outside = r["outside"];
  EXPECT_TRUE(outside.white(4, kPanelY + 4));
  EXPECT_EQ(marks(outside, OK_FIRED), 0) << "released outside: no action";
  EXPECT_EQ(marks(r["tapped"], OK_FIRED), 1) << "the first listener stays, called once";
  // The program adds a second listener to each; the toolkit refuses it with its message.
  EXPECT_NE(r.result.out.find("Button: kawt supports only one listener of each type per "
                              "Component!\n"),
            std::string::npos)
      << r.result.out;
  EXPECT_NE(r.result.out.find("MenuItem: Only one ActionListener allowed\n"), std::string::npos)
      << r.result.out;

  Screen bold = r["bold"], plain = r["plain"], red = r["red"], blue = r["blue"], blue2 = r["blue2"];
  EXPECT_GE(bold.inked(3, kPanelY + 23, 7, kPanelY + 27), 4) << "a tick in the box";
  EXPECT_EQ(plain.inked(3, kPanelY + 23, 7, kPanelY + 27), 0) << "the tick is gone";
  EXPECT_EQ(marks(plain, BOLD), 2);
  EXPECT_EQ(marks(red, RADIO), 0) << "Red was on already: no event";
  EXPECT_TRUE(red.black(53, kPanelY + 24));
  EXPECT_EQ(marks(blue, RADIO), 1) << "one event: Blue on; Red goes off silently";
  EXPECT_TRUE(blue.black(98, kPanelY + 24));
  EXPECT_TRUE(blue.white(53, kPanelY + 24));
  EXPECT_EQ(marks(blue2, RADIO), 1) << "Blue pressed again: no event";
  EXPECT_TRUE(blue2.black(98, kPanelY + 24));

  for (int i = 0; i < 5; i++) {
    Screen b = r[("bar" + std::to_string(i)).c_str()];
    const BarStep& c = kBarSteps[i];
    EXPECT_EQ(marks(b, BAR), i < 4 ? i + 1 : 4) << "step " << i;
    EXPECT_EQ(marks(b, BAR_TYPE), c.type) << "step " << i;
    EXPECT_EQ(line_length(b, BAR_VALUE), c.value) << "step " << i;
    EXPECT_EQ(thumb(b).x0, kBarX + c.value * 70 / 100 + 6 + 1) << "step " << i;
  }
  Screen mid = r["mid"], end = r["end"];
  EXPECT_EQ(line_length(mid, BAR_VALUE), 57) << "(50 - 7 - 7 / 2) * 100 / 70";
  EXPECT_EQ(marks(mid, BAR_TYPE), 5) << "track";
  EXPECT_EQ(line_length(end, BAR_VALUE), 90) << "clamped to 100 - 10";
  EXPECT_EQ(thumb(end).x1, kBarX + 90 * 70 / 100 + 6 + 6);

  // The popup: the list's packed size (3 rows + border = 38 high) at the choice's x.
  Screen open = r["choice"], chosen = r["chosen"];
  for (int y = 38; y <= 73; y++) EXPECT_TRUE(open.black(74, y)) << "left border, y " << y;
  EXPECT_GE(black_run(open, 37, 75, 100), 25) << "top border";
  EXPECT_EQ(black_run(open, 37 + 1 + 11, 76, 100), 25) << "the selection (Small) highlighted";
  EXPECT_EQ(marks(chosen, CHOICE), 1);
  EXPECT_FALSE(chosen.black(74, 38)) << "the popup closed";
  EXPECT_FALSE(chosen.sameRegion(open, 75, 50, 110, 61));

  // The list's bar: 7 wide at its right edge inside the border, over its 48-pixel viewport;
  // the unit is a row (12), the block the viewport; the content is 96 high.
  Screen top = r["top"], unit = r["unit"], block = r["block"];
  EXPECT_TRUE(rows_moved(top, kListRowY + kRow, unit, kListRowY, 3)) << "down one row";
  EXPECT_TRUE(rows_moved(unit, kListRowY + 3 * kRow, block, kListRowY, 1))
      << "a page down, held at the end: 12 + 48 is more than 96 - 48";
  EXPECT_FALSE(top.sameRegion(block, listBarX - 3, kListRowY, listBarX + 3, kListRowY + 47))
      << "the thumb moved";
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
  EXPECT_EQ(marks(hidden, MENU), 1);
  EXPECT_EQ(marks(hidden, MENU_ITEM), 1) << "File's first item";
  EXPECT_NE(hidden.at(60, 63), kAccent) << "hidden again";

  Screen modal = r["modal"], blocked = r["blocked"], closed = r["closed"];
  EXPECT_EQ(modal.at(60, 43), kAccent) << "the dialog's title bar";
  EXPECT_EQ(marks(modal, MODAL), 0) << "the listener waits in show";
  EXPECT_EQ(marks(blocked, OK_FIRED), 1) << "the frame below takes no input";
  EXPECT_EQ(marks(closed, MODAL), 1) << "Close ran meanwhile, and the listener went on";
  EXPECT_NE(closed.at(60, 43), kAccent);
}

// Keys go to the menu bar, then to the list, which has the focus until the pen moves it.
TEST(Widgets, KeysDriveTheListAndTheMenuBarInOneRun) {
  Session r =
      play("widgets_keys",
           // the Menu key opens the strip and closes it
           shot("before") + "press Menu\n" + shot("open") + "press Menu\n" + shot("closed") +
               // left from the first title wraps to the last, whose menu is pushed left
               "press Menu\n" + chr(kRight) + shot("first") + chr(kLeft) + shot("lastTitle") +
               chr(kEnter) + shot("menu") + kAccept + shot("item") +
               // the list has the focus again
               chr(kDown) + chr(kDown) + chr(kDown) + chr(kUp) + shot("moved") + kAccept +
               shot("chosen") + chr(kDown) + chr(kDown) + chr(kDown) + chr(kDown) + chr(kDown) +
               chr(kDown) + chr(kDown) + shot("last") + kCancel + shot("cleared"));
  ASSERT_EQ(r.result.status, 0) << r.result.err;
  Screen moved = r["moved"], chosen = r["chosen"], last = r["last"], cleared = r["cleared"];
  EXPECT_TRUE(row_inverted(moved, kListRowY + kRow)) << "down 3, up 1: row 1";
  EXPECT_FALSE(row_inverted(moved, kListRowY + 2 * kRow));
  EXPECT_EQ(marks(moved, LIST), 0) << "moving chooses nothing";
  EXPECT_EQ(marks(chosen, LIST), 1) << "accept chooses the row";
  EXPECT_TRUE(row_inverted(chosen, kListRowY + kRow));
  // Row 7 scrolled into view at the bottom of the 48-pixel viewport.
  EXPECT_TRUE(row_inverted(last, kListRowY + 3 * kRow)) << "the last row, at the bottom";
  EXPECT_FALSE(row_inverted(last, kListRowY + 2 * kRow));
  EXPECT_EQ(marks(last, LIST), 1);
  for (int row = 0; row < 4; row++)
    EXPECT_FALSE(row_inverted(cleared, kListRowY + row * kRow)) << "cancel clears, row " << row;

  Screen before = r["before"], open = r["open"];
  EXPECT_EQ(black_run(open, 0, 1, 157), 157) << "the strip's top edge";
  EXPECT_EQ(black_run(open, 14, 2, 159), 158) << "its shadow";
  EXPECT_EQ(selected_title_x(open), -1) << "no title selected";
  EXPECT_TRUE(r["closed"].sameRegion(before, 0, 0, 159, 159)) << "closed: the frame as it was";

  Screen first = r["first"], menu = r["menu"], item = r["item"];
  EXPECT_EQ(selected_title_x(first), 5) << "right from none: the first title";
  int help = selected_title_x(r["lastTitle"]);
  EXPECT_GT(help, 60) << "left from the first: the last title";
  // Opened by key: the first row highlighted; the window, 2 pixels shorter than the list, at
  // y 14; too wide for x = title - 1, it is pushed left until its right edge is the screen's.
  for (int y = 14; y <= 25; y++) EXPECT_TRUE(menu.black(159, y)) << "right border, y " << y;
  int left = 159;  // the popup's bottom border, y 14 + 14 - 2 - 2 - 1, back to its left end
  while (left > 0 && menu.black(left - 1, 25)) left--;
  EXPECT_LT(left, help - 1) << "shifted left of its title";
  EXPECT_TRUE(menu.black(help - 1, 14)) << "the list's first row, highlighted, under the title";
  EXPECT_EQ(marks(item, MENU), 1);
  EXPECT_EQ(marks(item, MENU_ITEM), 7) << "Help's item, the seventh";
  EXPECT_TRUE(item.sameRegion(first, 0, 30, 159, 100)) << "every popup closed";
}

// The Windows build under wine (see the programs' tests): the first screen.
TEST(WindowsBuild, WidgetsStartsAndShowsItsFirstScreen) {
  if (!wine_ready()) GTEST_SKIP() << "no PALM_WINDOWS_APPS or no wine";
  std::string dir = scratch_dir("windows_widgets");
  ProgramRun r =
      run_under_wine("../tests/toolkit/demo/widgets.exe", dir, "wait 1500\nshot s.png\nclose\n");
  EXPECT_EQ(r.status, 0) << r.err;
  Screen s = read_shot(dir + "/s.png");
  ASSERT_TRUE(s.ok);
  EXPECT_EQ(s.at(100, 14), kAccent) << "the frame's title bar";
  EXPECT_EQ(black_run(s, kListY, kListX + 1, kListX + 60), 60) << "the list's top border";
  EXPECT_EQ(thumb(s).x0, kBarX + 7) << "the scroll bar's thumb";
  EXPECT_EQ(s.inked(0, kMeterY, 159, kMeterY + 12 * kMeterRow - 1), 0);
}

}  // namespace
