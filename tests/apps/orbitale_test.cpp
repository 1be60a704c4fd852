// Orbitale: its element table, and the real program run headless with a script, judged by
// its screenshots.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "apps/orbitale/element_records.h"
#include "class_lists.h"
#include "com/sun/kjava/Graphics.h"
#include "com/sun/kjava/class_list.h"
#include "in_process.h"
#include "picture.h"
#include "run_executable.h"

using orbitale::element_record;
using orbitale::kElementCount;
using orbitale::kElementRecords;

namespace {

std::vector<std::string> fields_of(const std::string& record) {
  std::vector<std::string> out;
  size_t start = 0;
  for (size_t bar; (bar = record.find('|', start)) != std::string::npos; start = bar + 1)
    out.push_back(record.substr(start, bar - start));
  out.push_back(record.substr(start));
  return out;
}

int number_at(int index) { return index < 112 ? index + 1 : 114 + 2 * (index - 112); }

// Look-up by atomic number (nothing for the gaps 113, 115 and 117, nor past 118); quoted
// records exact; the unnamed elements carry systematic names and only a mass. The generator
// refuses an empty field or one holding a bar.
TEST(OrbitaleTable, LookUpQuotedRecordsAndTheUnnamedElements) {
  EXPECT_EQ(element_record(113), nullptr);
  EXPECT_EQ(element_record(119), nullptr);
  EXPECT_EQ(element_record(118), kElementRecords[114]);
  EXPECT_STREQ(element_record(1),
               "Hydrogen|1.00794|-259.34|-252.87|0.0899 g/L @ 1 atm, 0|2.2|-1,1  amphoteric|13.598|"
               "0.79|H|14.304|0.002|217.6|0.449|0.059|1s1");
  EXPECT_STREQ(element_record(114), "Ununquadium|(289)|?|?|?|?|?|?|?|?|?|?|?|?|?|?");
  std::vector<std::string> o = fields_of(element_record(8));
  EXPECT_EQ(o[0], "Oxygen");
  EXPECT_EQ(o[4], "1.429 g/L @ 1 atm, 0");
  EXPECT_EQ(o[11], "< 0.001");
  EXPECT_EQ(o[15],
            "1s2\xB7\xB7"
            "2s2\xB7\xB7"
            "2p4");
  const std::map<int, std::string> names = {{110, "Ununnilium"},
                                            {111, "Unununium"},
                                            {112, "Ununbium"},
                                            {116, "Ununhexium"},
                                            {118, "Ununoctium"}};
  for (const auto& [number, name] : names) {
    std::vector<std::string> f = fields_of(element_record(number));
    ASSERT_EQ(f.size(), 16u) << name;
    EXPECT_EQ(f[0], name);
    EXPECT_EQ(f[1].front(), '(') << name;
    EXPECT_EQ(f[1].back(), ')') << name;
    for (int i = 2; i < 16; i++) EXPECT_EQ(f[i], "?") << name << " field " << i;
  }
}

// "?" where no data set has the value, "---" where it does not apply, counted per column over
// the measured elements (1 to 103); the oxidation field's two parts, states and the oxide's
// character, count apart.
TEST(OrbitaleTable, FewValuesAreUnknownAndOnlyInapplicableOnesAreMissing) {
  constexpr int kColumns = 17;  // the sixteen fields, and the oxide apart
  struct Column {
    const char* name;
    int unknown;
    std::vector<int> inapplicable;  // atomic numbers
  };
  const std::vector<int> noCompounds = {2, 10, 18};
  const Column columns[kColumns] = {
      {"name", 0, {}},
      {"mass", 0, {}},
      {"melting point", 0, {}},
      {"boiling point", 4, {}},
      {"density", 4, {}},
      {"electronegativity", 0, noCompounds},
      {"oxidation states", 0, noCompounds},
      {"ionization potential", 0, {}},
      {"atomic radius", 6, {}},
      {"crystal", 12, {}},
      {"specific heat", 11, {}},
      {"thermal conductivity", 8, {}},
      {"enthalpy of atomization", 96, {}},  // no data set has it; 0 for the noble gases
      {"enthalpy of vaporization", 16, {}},
      {"enthalpy of fusion", 29, {}},
      {"electron configuration", 0, {}},
      {"oxide", 98, {2, 10, 18, 36}},  // no data set has it; xenon and radon do form oxides
  };
  int unknown[kColumns] = {};
  std::vector<int> inapplicable[kColumns];
  for (int number = 1; number <= 103; number++) {
    std::vector<std::string> f = fields_of(element_record(number));
    size_t blanks = f[6].find("  ");
    f.push_back(blanks == std::string::npos ? f[6] : f[6].substr(blanks + 2));
    f[6] = f[6].substr(0, blanks);
    for (int c = 0; c < kColumns; c++) {
      unknown[c] += f[c] == "?";
      if (f[c] == "---") inapplicable[c].push_back(number);
    }
  }
  for (int c = 0; c < kColumns; c++) {
    EXPECT_EQ(unknown[c], columns[c].unknown) << columns[c].name;
    EXPECT_EQ(inapplicable[c], columns[c].inapplicable) << columns[c].name;
  }
}

// Masses rise with the atomic number except where nature has it otherwise: the natural
// isotope mix of argon, cobalt, tellurium and thorium is heavier than that of the next
// element; for elements without a stable isotope the mass is that of the longest-lived
// isotope known, and those do not rise evenly.
TEST(OrbitaleTable, MassesRiseWithTheAtomicNumberExceptTheKnownInversions) {
  const std::map<int, const char*> inversions = {
      {18, "Ar/K: argon is mostly argon-40"},
      {27, "Co/Ni: nickel is mostly nickel-58"},
      {52, "Te/I: tellurium is mostly tellurium-128 and -130"},
      {90, "Th/Pa: thorium-232 against protactinium-231"},
      {92, "U/Np: uranium-238 against neptunium-237"},
      {94, "Pu/Am: plutonium-244 against americium-243"},
      {96, "Cm/Bk: curium-247 and berkelium-247, equal"},
      {107, "Bh/Hs: bohrium-272 against hassium-270"},
      {110, "Ds/Rg: darmstadtium-281 against roentgenium-280"},
  };
  auto mass = [](int i) {
    std::string m = fields_of(kElementRecords[i])[1];
    return std::atof(m.c_str() + (m[0] == '(' ? 1 : 0));
  };
  for (int i = 0; i + 1 < kElementCount; i++) {
    int number = number_at(i);
    EXPECT_EQ(mass(i + 1) <= mass(i), inversions.count(number) == 1)
        << number << ": " << mass(i) << " then " << mass(i + 1);
  }
}

// The program end to end. The frame's contents start 16 pixels down, under its title bar.

constexpr int kTop = 16;

struct Cell {
  int x, y, w, h;  // outline from (x, y) to (x + w, y + h), on the screen
};

int row_y(int row) { return kTop + (row < 7 ? 14 * row + 11 : 14 * row + 14); }
Cell left_cell(int column, int row) {
  return {column < 2 ? 16 * column + 6 : 16 * column + 15, row_y(row), 16, 14};
}
Cell right_cell(int column, int row) { return {17 * (column - 9), row_y(row), 17, 14}; }

// The grid places of the left half: period 1 holds H, periods 2 and 3 the s-block, 4 to 7
// all nine columns; the f-block rows columns 2 to 8.
std::vector<Cell> left_cells() {
  std::vector<Cell> cells;
  for (int row = 0; row < 9; row++)
    for (int column = 0; column < 9; column++) {
      bool used = row == 0 ? column == 0 : row <= 2 ? column <= 1 : row <= 6 ? true : column >= 2;
      if (used) cells.push_back(left_cell(column, row));
    }
  return cells;
}

bool outlined(const Screen& s, const Cell& c) {
  for (int x = c.x; x <= c.x + c.w; x++)
    if (!s.black(x, c.y) || !s.black(x, c.y + c.h)) return false;
  for (int y = c.y; y <= c.y + c.h; y++)
    if (!s.black(c.x, y) || !s.black(c.x + c.w, y)) return false;
  return true;
}
int ink_inside(const Screen& s, const Cell& c) {
  return s.inked(c.x + 1, c.y + 1, c.x + c.w - 1, c.y + c.h - 1);
}
// A highlighted cell: filled black, at most its text left white.
bool filled(const Screen& s, const Cell& c) {
  int black = 0;
  for (int y = c.y; y < c.y + c.h; y++)
    for (int x = c.x; x < c.x + c.w; x++) black += s.black(x, y);
  return black > c.w * c.h * 2 / 3;
}

// Each step is given time to be delivered and painted, even on a busy machine.
std::string pen(const char* what, int x, int y) { return script_pen(what, x, y) + "wait 400\n"; }
std::string tap(int x, int y) { return pen("tap", x, y); }
std::string down(int x, int y) { return pen("down", x, y); }
std::string up(int x, int y) { return pen("up", x, y); }
std::string shot(const std::string& name) { return "shot " + name + ".png\n"; }

// Places on the screen: the arrow buttons, the title bar, a dialog's OK button.
const std::string kRightArrow = tap(148, kTop + 9), kLeftArrow = tap(12, kTop + 9);
const std::string kTitleBar = tap(40, 5), kOk = tap(80, 147);

// The ink of a text as the host draws it, rendered in process on a clean screen: a mask
// to look for in a shot.
struct Glyphs {
  int w = 0, h = 0;
  std::vector<bool> ink;
};
std::vector<ClassDecl*> palm_classes() {
  std::vector<ClassDecl*> list = cldc_core_classes();
  for (ClassDecl* c : palm_profile_classes()) list.push_back(c);
  return list;
}
Glyphs render(const std::string& text) {
  Screen s;
  run_cleanly(palm_classes, [&] {
    com::sun::kjava::Graphics::clearScreen();
    com::sun::kjava::Graphics::drawString(lit(text.c_str()), 4, 4);
    s = screen_now();
  });
  int x0 = 160, y0 = 160, x1 = -1, y1 = -1;
  for (int y = 0; y < 160; y++)
    for (int x = 0; x < 160; x++)
      if (!s.white(x, y))
        x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
  Glyphs g{x1 - x0 + 1, y1 - y0 + 1, {}};
  for (int y = y0; y <= y1; y++)
    for (int x = x0; x <= x1; x++) g.ink.push_back(!s.white(x, y));
  return g;
}

// Where the text's ink sits exactly within the box (its ink told from the ground by
// `ground`), or {-1, -1}.
std::pair<int, int> find_text(const Screen& s, const Glyphs& g, int x0, int y0, int x1, int y1,
                              uint32_t ground = 0xFFFFFF) {
  for (int y = y0; y + g.h - 1 <= y1; y++)
    for (int x = x0; x + g.w - 1 <= x1; x++) {
      bool match = true;
      for (int j = 0; j < g.h && match; j++)
        for (int i = 0; i < g.w && match; i++)
          match = (s.at(x + i, y + j) != ground) == g.ink[static_cast<size_t>(j) * g.w + i];
      if (match) return {x, y};
    }
  return {-1, -1};
}

// Whether the text shows exactly within the box.
bool shows(const Screen& s, const std::string& text, int x0, int y0, int x1, int y1,
           uint32_t ground = 0xFFFFFF) {
  return find_text(s, render(text), x0, y0, x1, y1, ground).first != -1;
}

ProgramRun run(const std::string& dir, const std::string& script, const std::string& args = "") {
  return run_executable(ORBITALE, args, dir, "wait 600\n" + script + "close\n", 60);
}

Screen load(const std::string& dir, const std::string& name) {
  Screen s = read_shot(dir + "/" + name + ".png");
  EXPECT_TRUE(s.ok) << name;
  return s;
}

// The first screen: the title bar (accent colour, or black without colour), every cell of
// the left half outlined, the period numbers, the group labels and the two connector lines.
TEST(Orbitale, FirstScreenShowsTheLeftHalfUnderAColouredTitleBar) {
  struct Case {
    const char* args;
    uint32_t titleLine;
  };
  for (const Case& c : {Case{"", 0x330099}, Case{"-nocolor", 0x000000}}) {
    std::string dir = scratch_dir(std::string("orbitale_first") + c.args);
    ProgramRun r = run(dir, shot("s"), c.args);
    ASSERT_EQ(r.status, 0) << r.err;
    Screen s = load(dir, "s");
    ASSERT_TRUE(s.ok);
    for (int x : {2, 80, 157}) {
      EXPECT_EQ(s.at(x, 13), c.titleLine) << c.args << ": the title bar's line at x " << x;
      EXPECT_EQ(s.at(x, 14), c.titleLine) << c.args;
    }
    if (c.args[0]) continue;  // the rest is the same either way
    for (const Cell& cell : left_cells())
      EXPECT_TRUE(outlined(s, cell)) << "cell at " << cell.x << "," << cell.y;
    for (int p = 1; p <= 7; p++)
      EXPECT_GT(s.inked(0, row_y(p - 1) + 2, 5, row_y(p - 1) + 12), 3) << "period " << p;
    for (int column = 0; column < 9; column++) {  // labels over rows 0, 1 and 3
      int labelRow = column == 0 ? 0 : column == 1 ? 1 : 3;
      Cell under = left_cell(column, labelRow);
      EXPECT_GT(s.inked(under.x + 1, under.y - 12, under.x + under.w - 1, under.y - 2), 3)
          << "group label of column " << column;
    }
    const int connectors[][4] = {{39, 89, 44, 89},   {44, 89, 44, 120},  {44, 120, 47, 120},
                                 {39, 103, 41, 103}, {41, 103, 41, 133}, {41, 133, 47, 133}};
    for (auto [x0, y0, x1, y1] : connectors)
      for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++) EXPECT_TRUE(s.black(x, kTop + y)) << x << "," << y;
    EXPECT_EQ(s.inked(39, kTop + 60, 46, kTop + 85), 0) << "the gap left of group 3 is empty";
  }
}

// Pressing hydrogen's cell fills it at once; lifting the pen opens its information; OK
// closes it. The selection is kept as state only: the repainted table shows no mark.
TEST(Orbitale, PressingACellHighlightsItAndLiftingOpensItsInformation) {
  std::string dir = scratch_dir("orbitale_info");
  Cell h = left_cell(0, 0);
  std::string pageDowns;
  for (int i = 0; i < 3; i++) pageDowns += tap(151, 130);  // below the thumb: a page down
  ProgramRun r =
      run(dir, shot("start") + down(h.x + 8, h.y + 7) + shot("pressed") + up(h.x + 8, h.y + 7) +
                   shot("info") + pageDowns + shot("bottom") + kOk + shot("closed") + kRightArrow +
                   shot("right") + kLeftArrow + shot("back"));
  ASSERT_EQ(r.status, 0) << r.err;
  Screen start = load(dir, "start"), pressed = load(dir, "pressed"), info = load(dir, "info");
  Screen closed = load(dir, "closed"), right = load(dir, "right"), back = load(dir, "back");
  EXPECT_TRUE(filled(pressed, h));
  EXPECT_FALSE(filled(pressed, left_cell(0, 1))) << "lithium is not";

  // The dialog: its title on the dark title bar, and the density line's last word.
  uint32_t bar = info.at(3, 3);
  EXPECT_NE(bar, 0xFFFFFFu);
  EXPECT_TRUE(shows(info, "Hydrogen", 2, 2, 157, 13, bar));
  EXPECT_TRUE(shows(info, "No:1", 2, 2, 157, 13, bar));
  Glyphs density = render(
      "Density = 0.0899 g/L @ 1 atm, 0\xB0"
      "C");
  auto [x, y] = find_text(info, density, 7, 15, 146, 137);
  ASSERT_NE(x, -1) << "the density ends in the degree sign and C";
  EXPECT_EQ(info.inked(x + density.w + 1, y, 146, y + density.h - 1), 0) << "and nothing after";
  EXPECT_TRUE(shows(info, "Atomic Mass = 1.00794", 7, 15, 146, 31)) << "the mass, first";
  EXPECT_FALSE(outlined(info, left_cell(0, 1))) << "the table is covered";
  // The text wraps short of the scroll bar, which scrolls it down to the configuration.
  EXPECT_GT(info.inked(147, 15, 154, 137), 40) << "a scroll bar at the box's right edge";
  // Cut at the last blank that leaves the line within the width less the bar's.
  Glyphs heat = render("Specific Heat Capacity = 14.304 J/(g\xB7K) @");
  auto [hx, hy] = find_text(info, heat, 7, 15, 146, 137);
  ASSERT_NE(hx, -1) << "the specific heat line, cut";
  EXPECT_EQ(info.inked(hx + heat.w + 1, hy, 146, hy + heat.h - 1), 0);
  Screen bottom = load(dir, "bottom");
  EXPECT_FALSE(shows(bottom, "Atomic Mass = 1.00794", 7, 15, 146, 137)) << "scrolled";
  EXPECT_TRUE(shows(bottom, "Electron Configuration = 1s1", 7, 15, 146, 137)) << "to the last line";

  EXPECT_EQ(closed.px, start.px) << "OK gives back the first screen, no cell marked";
  EXPECT_TRUE(outlined(right, right_cell(17, 0))) << "helium, on the right half";
  EXPECT_FALSE(outlined(right, h));
  EXPECT_EQ(back.px, start.px) << "and so does the way back from the right half";
}

// Presses in the period-number margin, between columns and between the main rows and the
// f-block select nothing, and their release opens nothing. The Options menu opens from the
// title bar (the frame's own area) and from the Menu button; a second press of the Menu
// button closes it. "About Orbitale" opens the about box. Then, in the same run, display
// options: checking a category turns "All Elements" off and shows that category
// only; a hidden element still highlights and opens; with nothing checked, the next
// opening switches "All Elements" back on; "Atomic Numbers" shows numbers; elements 114,
// 116 and 118 show only under "All Elements".
TEST(Orbitale, PressesBetweenCellsTheOptionsMenuAndDisplayOptions) {
  std::string dir = scratch_dir("orbitale_menu");
  const std::string options = kTitleBar + tap(25, 7) + tap(20, 20);
  const std::string alkali = tap(30, 35), transition = tap(30, 55);
  Cell h = left_cell(0, 0), li = left_cell(0, 1), na = left_cell(0, 2), k = left_cell(0, 3);
  Cell sc = left_cell(2, 3), uuq = right_cell(13, 6), uun = right_cell(9, 6);
  const std::vector<std::pair<int, int>> points = {
      {3, kTop + 40}, {22, kTop + 60}, {42, kTop + 70}, {60, kTop + 110}, {30, kTop + 18}};
  std::string between;
  for (size_t i = 0; i < points.size(); i++) {
    auto [x, y] = points[i];
    std::string n = std::to_string(i);
    between += down(x, y) + shot("down" + n) + up(x, y) + shot("up" + n);
  }
  ProgramRun r =
      run(dir, shot("start") + between + kTitleBar + shot("strip") + tap(25, 7) + shot("menu") +
                   tap(30, 32) + shot("about") + kOk + shot("closed") + "press Menu\nwait 400\n" +
                   shot("key") + "press Menu\nwait 400\n" + shot("key2") + options + shot("opts1") +
                   alkali + shot("opts2") + kOk + shot("alkali") + down(h.x + 8, h.y + 7) +
                   shot("hidden") + up(h.x + 8, h.y + 7) + shot("hiddenInfo") + kOk +
                   shot("hiddenClosed") + options + alkali + kOk + shot("none") + options +
                   shot("opts3") + tap(100, 112) + kOk + shot("numbers") + kRightArrow +
                   shot("rightAll") + options + transition + kOk + shot("rightTransition"));
  ASSERT_EQ(r.status, 0) << r.err;
  Screen start = load(dir, "start"), strip = load(dir, "strip"), menu = load(dir, "menu");
  Screen about = load(dir, "about"), closed = load(dir, "closed");
  Screen key = load(dir, "key"), key2 = load(dir, "key2");
  for (size_t i = 0; i < points.size(); i++) {
    EXPECT_EQ(load(dir, "down" + std::to_string(i)).px, start.px) << "press " << i;
    EXPECT_EQ(load(dir, "up" + std::to_string(i)).px, start.px) << "release " << i;
  }
  EXPECT_TRUE(shows(strip, "Options", 0, 0, 159, 16)) << "the menu bar's strip";
  EXPECT_TRUE(shows(menu, "Display", 0, 12, 159, 60));
  EXPECT_TRUE(shows(menu, "About Orbitale", 0, 12, 159, 60));
  uint32_t bar = about.at(3, 3);
  EXPECT_TRUE(shows(about, "About Orbitale", 2, 2, 157, 13, bar));
  EXPECT_TRUE(shows(about, "        Orbitale v1.02a", 10, 15, 152, 137));
  EXPECT_TRUE(shows(about, "for the palmhost project.", 10, 15, 152, 137));
  EXPECT_EQ(closed.px, start.px) << "OK closes it and the table is back";
  EXPECT_TRUE(shows(key, "Options", 0, 0, 159, 16)) << "the Menu button opens it";
  EXPECT_EQ(key2.px, start.px) << "and closes it";
  Screen opts1 = load(dir, "opts1"), opts2 = load(dir, "opts2"), opts3 = load(dir, "opts3");
  // The box glyphs: "All Elements" on a row at y 20..29, "Alkali Metals" at y 30..39.
  auto box = [](const Screen& s, int y0) {
    std::vector<uint32_t> px;
    for (int y = y0; y < y0 + 10; y++)
      for (int x = 3; x <= 12; x++) px.push_back(s.at(x, y));
    return px;
  };
  EXPECT_NE(box(opts1, 20), box(opts1, 30)) << "All Elements on, Alkali Metals off";
  EXPECT_EQ(box(opts2, 30), box(opts1, 20)) << "checking Alkali Metals checks it";
  EXPECT_EQ(box(opts2, 20), box(opts1, 30)) << "and turns All Elements off";
  EXPECT_EQ(box(opts3, 20), box(opts1, 20)) << "with nothing checked, All Elements again";

  Screen alkaliShot = load(dir, "alkali");
  for (const Cell& c : {li, na, k}) EXPECT_TRUE(outlined(alkaliShot, c));
  for (const Cell& c : {h, sc}) {
    EXPECT_FALSE(outlined(alkaliShot, c));
    EXPECT_EQ(ink_inside(alkaliShot, c), 0) << "no text either";
  }
  EXPECT_TRUE(filled(load(dir, "hidden"), h)) << "a hidden element still highlights";
  Screen hiddenInfo = load(dir, "hiddenInfo");
  EXPECT_TRUE(shows(hiddenInfo, "Hydrogen", 2, 2, 157, 13, hiddenInfo.at(3, 3))) << "and opens";
  EXPECT_EQ(load(dir, "hiddenClosed").px, alkaliShot.px) << "and leaves no mark behind";
  Screen none = load(dir, "none");
  for (const Cell& c : left_cells()) EXPECT_FALSE(outlined(none, c)) << "nothing is shown";

  Screen numbers = load(dir, "numbers");
  EXPECT_TRUE(shows(numbers, "3", li.x + 1, li.y + 1, li.x + li.w - 1, li.y + li.h - 1))
      << "lithium's cell shows its number";
  EXPECT_FALSE(shows(numbers, "Li", li.x, li.y, li.x + li.w, li.y + li.h));
  Screen rightAll = load(dir, "rightAll"), rightTransition = load(dir, "rightTransition");
  EXPECT_TRUE(outlined(rightAll, uuq)) << "element 114 under All Elements";
  EXPECT_FALSE(outlined(rightTransition, uuq)) << "but under no category";
  EXPECT_TRUE(outlined(rightTransition, uun)) << "element 110 is a transition metal";
}

}  // namespace
