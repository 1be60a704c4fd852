// Drawing primitives, checked pixel by pixel on the screen bitmap.
#include <gtest/gtest.h>

#include <set>

#include "in_process.h"

namespace {

std::vector<uint32_t> g_s;

// Device pixels of a colour, as (x, y) pairs.
std::set<std::pair<int, int>> pixels_of(const std::vector<uint32_t>& s, uint32_t colour) {
  std::set<std::pair<int, int>> out;
  for (int y = 0; y < 160; y++)
    for (int x = 0; x < 160; x++)
      if (device_pixel(s, x, y) == colour) out.insert({x, y});
  return out;
}

using Pixels = std::set<std::pair<int, int>>;

Pixels box(int l, int t, int r, int b) {
  Pixels p;
  for (int y = t; y <= b; y++)
    for (int x = l; x <= r; x++) p.insert({x, y});
  return p;
}

void draw(const std::function<void()>& f) {
  run_body([f] {
    clear_screen();
    f();
    g_s = screen();
  });
}

Pixels operator+(Pixels a, const Pixels& b) {
  a.insert(b.begin(), b.end());
  return a;
}

// The rounded shape by the quadrant rule, for radius 3 in a 12 x 10 rectangle at (20, 30):
// circle_walk(3) gives rows py 3 (px 0..1), 2 (px 2), 1 (px 3).
Pixels rounded_12x10_r3() {
  Pixels p = box(20, 33, 31, 36);  // rows t' .. b' full width
  int maxpx[4] = {0, 3, 2, 1};
  for (int py = 1; py <= 3; py++)
    p = p + box(23 - maxpx[py], 33 - py, 28 + maxpx[py], 33 - py) +
        box(23 - maxpx[py], 36 + py, 28 + maxpx[py], 36 + py);
  return p;
}

// Each shape exactly, drawn on a cleared screen in one host run; no half-inked blocks.
TEST(Draw, ShapesCoverExactlyTheirPixels) {
  struct Case {
    const char* what;
    std::function<void()> draw;
    Pixels black;
  };
  const Case cases[] = {
      {"equal ends, inverted: one block once",
       [] { gfx_draw_line(7, 9, 7, 9, DRAW_INVERT); },
       {{7, 9}}},
      {"right to left: both ends", [] { gfx_draw_line(10, 3, 5, 3, DRAW_INVERT); },
       box(5, 3, 10, 3)},
      {"diagonal halfway steps round toward the start",
       [] {
         gfx_draw_line(0, 0, 4, 2, DRAW_BLACK);
         gfx_draw_line(20, 10, 16, 12, DRAW_BLACK);
       },
       {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {20, 10}, {19, 10}, {18, 11}, {17, 11}, {16, 12}}},
      {"vertical and half-slope lines, inverted: each pixel once",
       [] {
         gfx_draw_line(20, 30, 20, 10, DRAW_INVERT);
         gfx_draw_line(40, 40, 50, 45, DRAW_INVERT);
       },
       box(20, 10, 20, 30) + box(40, 40, 41, 40) + box(42, 41, 43, 41) + box(44, 42, 45, 42) +
           box(46, 43, 47, 43) + box(48, 44, 49, 44) + box(50, 45, 50, 45)},
      {"negative width ends at x", [] { gfx_fill_rectangle(10, 5, -3, 2, DRAW_BLACK, 0); },
       box(8, 5, 10, 6)},
      {"empty rectangles",
       [] {
         gfx_fill_rectangle(10, 5, 0, 4, DRAW_BLACK, 0);
         gfx_fill_rectangle(10, 5, 4, 0, DRAW_BLACK, 0);
       },
       {}},
      {"width 1, radius 2: one column", [] { gfx_fill_rectangle(30, 20, 1, 10, DRAW_BLACK, 2); },
       box(30, 20, 30, 29)},
      {"inverted rounded fill, each pixel once",
       [] { gfx_fill_rectangle(20, 30, 12, 10, DRAW_INVERT, 3); }, rounded_12x10_r3()},
      {"border of thickness 0", [] { gfx_draw_border(10, 10, 20, 20, DRAW_BLACK, 0x0500); }, {}},
      {"square border outside, once", [] { gfx_draw_border(10, 10, 5, 4, DRAW_INVERT, 1); },
       box(9, 9, 15, 9) + box(9, 14, 15, 14) + box(9, 10, 9, 13) + box(15, 10, 15, 13)},
      {"line cut at the draw region",
       [] {
         gfx_set_draw_region(10, 10, 5, 5);
         gfx_draw_line(0, 12, 30, 12, DRAW_BLACK);
         gfx_reset_draw_region();
         gfx_draw_line(0, 20, 2, 20, DRAW_BLACK);
       },
       box(10, 12, 14, 12) + box(0, 20, 2, 20)},
      {"negative region sizes count backwards",
       [] {
         gfx_set_draw_region(14, 14, -5, -5);
         gfx_fill_rectangle(0, 0, 160, 160, DRAW_BLACK, 0);
         gfx_reset_draw_region();
       },
       box(10, 10, 14, 14)},
  };
  static std::vector<std::vector<uint32_t>> shots;
  shots.clear();
  run_body([&] {
    for (const Case& c : cases) {
      clear_screen();
      c.draw();
      shots.push_back(screen());
    }
  });
  ASSERT_EQ(shots.size(), std::size(cases));
  for (size_t i = 0; i < shots.size(); i++) {
    EXPECT_EQ(pixels_of(shots[i], BLACK), cases[i].black) << cases[i].what;
    EXPECT_EQ(count_device(shots[i], 0xFF000000u), 0) << cases[i].what;
  }
}

// Colour words draw their colour only in colour mode; black otherwise. Text in a colour is
// transparent in colour mode, opaque black on white otherwise.
TEST(Draw, ModesSelectTheirColours) {
  for (const char* line : {"", "-color"}) {
    InProcess run = {.commandLine = line};
    run.body = [] {
      clear_screen();
      gfx_draw_line(0, 0, 0, 0, DRAW_BLACK);
      gfx_draw_line(1, 0, 1, 0, DRAW_GRAY);
      gfx_fill_rectangle(2, 0, 2, 1, DRAW_BLACK, 0);
      gfx_draw_line(2, 0, 2, 0, DRAW_ERASE);
      gfx_draw_line(4, 0, 4, 0, 0x00FF0005);
      gfx_draw_line(5, 0, 5, 0, 6);
      gfx_draw_line(6, 0, 6, 0, 0);
      gfx_draw_line(7, 0, 7, 0, 7);
      gfx_draw_line(8, 0, 8, 0, static_cast<jint>(0x12345605u));
      gfx_fill_rectangle(0, 20, 40, 11, DRAW_BLACK, 0);
      gfx_draw_string(jstr("HH"), 0, 20, static_cast<jint>(0xFF000005u));
      g_s = screen();
    };
    run_in_process(run);
    uint32_t green = *line ? 0x00FF00u : BLACK, word = *line ? 0x123456u : BLACK;
    std::vector<uint32_t> want = {BLACK, GREY, WHITE, BLACK, green, BLACK, BLACK, BLACK, word};
    for (int x = 0; x < 9; x++) EXPECT_EQ(device_pixel(g_s, x, 0), want[x]) << line << " " << x;
    EXPECT_EQ(count_device(g_s, 0xFF0000) > 0, *line != 0) << line;
    EXPECT_EQ(device_pixel(g_s, 0, 20), *line ? BLACK : WHITE) << line;  // the text's background
  }
}

TEST(Draw, TwoRingBorderWithRadiusFourLeavesNoGapBetweenRings) {
  draw([] { gfx_draw_border(40, 40, 30, 30, DRAW_INVERT, 0x0402); });
  Pixels black = pixels_of(g_s, BLACK);
  // Outside the rectangle, every column and row crossing the border from the rectangle
  // outward meets two inked pixels in a row before leaving the border.
  EXPECT_EQ(count_device(g_s, 0xFF000000u), 0);
  for (int x = 45; x <= 64; x++) EXPECT_TRUE(black.count({x, 39}) && black.count({x, 38})) << x;
  // Inside the rectangle only the rounded corners cut in.
  for (auto p : box(40, 44, 69, 65)) EXPECT_FALSE(black.count(p)) << p.first << "," << p.second;
  for (auto p : box(44, 40, 65, 69)) EXPECT_FALSE(black.count(p)) << p.first << "," << p.second;
  // Corner: the diagonal from the rectangle's corner outward crosses ink without a hole
  // between the rings.
  bool inked = false, holeAfterInk = false, inkAfterHole = false;
  for (int d = 0; d < 8; d++) {
    bool b = black.count({40 - d, 40 - d}) > 0;
    if (b && holeAfterInk) inkAfterHole = true;
    if (!b && inked) holeAfterInk = true;
    inked = inked || b;
  }
  EXPECT_TRUE(inked);
  EXPECT_FALSE(inkAfterHole);
}

TEST(Draw, AnyCoordinatesAreClippedWithoutHarm) {
  draw([] {
    gfx_draw_line(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, DRAW_BLACK);
    gfx_draw_line(-1000000, 5, 1000000, 5, DRAW_BLACK);
    gfx_fill_rectangle(INT32_MIN, 100, INT32_MAX, 2, DRAW_BLACK, INT32_MAX);
    gfx_draw_border(INT32_MAX, INT32_MAX, INT32_MAX, INT32_MIN, DRAW_BLACK, -1);
    gfx_set_draw_region(INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN);
    gfx_fill_rectangle(0, 0, 3, 3, DRAW_BLACK, 0);
    gfx_reset_draw_region();
    gfx_copy_region(INT32_MIN, 0, INT32_MAX, 5, INT32_MAX, 0, 0);
  });
  Pixels black = pixels_of(g_s, BLACK);
  EXPECT_EQ(black.count({0, 0}) + black.count({159, 159}), 2u);  // the long diagonal
  for (int x = 0; x < 160; x++) EXPECT_TRUE(black.count({x, 5})) << x;
}

TEST(Draw, AutoRefreshOffLeavesTheWindowUntilTurnedOnAgain) {
  static std::vector<uint32_t> before, during, after;
  run_body([] {
    EXPECT_EQ(count_device(screen(), WHITE), 160 * 160);  // the screen starts white
    before = window_pixels();
    EXPECT_EQ(gfx_draw_string(jstr(""), 5, -100, DRAW_BLACK), 5);  // away from x 0: no switch
    EXPECT_EQ(host.autoRefresh, 1);
    EXPECT_EQ(gfx_draw_string(jstr(""), 0, -100, DRAW_BLACK), 0);
    gfx_fill_rectangle(0, 0, 50, 50, DRAW_BLACK, 0);
    gfx_draw_line(0, 100, 100, 100, DRAW_BLACK);
    during = window_pixels();
    EXPECT_EQ(host.autoRefresh, 0);
    gfx_draw_string(jstr(""), 0, -200, DRAW_BLACK);
    after = window_pixels();
    g_s = screen();
  });
  EXPECT_EQ(before, during);
  EXPECT_EQ(count_device(after, BLACK), 50 * 50 + 101);
  EXPECT_EQ(host.autoRefresh, 1);
}

TEST(Draw, CopyRegionOperationsCombineSourceAndTarget) {
  draw([] {
    gfx_fill_rectangle(0, 0, 2, 1, DRAW_BLACK, 0);   // source: black black white white
    gfx_fill_rectangle(10, 0, 1, 1, DRAW_BLACK, 0);  // target: black white black white
    gfx_fill_rectangle(12, 0, 1, 1, DRAW_BLACK, 0);
    for (int mode = 0; mode <= 5; mode++) {
      for (int i = 0; i < 4; i++) gfx_copy_region(10 + i, 0, 1, 1, 10 + i, 2 + mode, 0);
      gfx_copy_region(0, 0, 4, 1, 10, 2 + mode, mode);
    }
    // Off-screen round trip with the inverting XOR.
    gfx_copy_offscreen_region(0, 0, 4, 1, 0, 0, 0, 0, 1);
    gfx_copy_offscreen_region(10, 0, 4, 1, 0, 0, 3, 0, 1);
    gfx_copy_offscreen_region(0, 0, 4, 1, 20, 0, 0, 1, 0);
    gfx_fill_rectangle(0, 20, 10, 1, DRAW_BLACK, 0);
    gfx_copy_region(-3, 25, 6, 1, 0, 20, 0);  // source columns -3..-1 are off the bitmap
  });
  auto row = [](int y, int from = 10, int to = 14) {
    std::string s;
    for (int x = from; x < to; x++) s += device_pixel(g_s, x, y) == BLACK ? 'B' : 'w';
    return s;
  };
  // Black is 0 bits: AND of colours is OR of black.
  EXPECT_EQ(row(2), "BBww");             // SRCCOPY
  EXPECT_EQ(row(3), "BBBw");             // SRCAND
  EXPECT_EQ(row(4), "BBwB");             // SRCERASE: src & ~dst
  EXPECT_EQ(row(5), "BwwB");             // SRCINVERT
  EXPECT_EQ(row(6), "Bwww");             // SRCPAINT
  EXPECT_EQ(row(7), "wwBB");             // NOTSRCCOPY
  EXPECT_EQ(row(0, 20, 24), "wBBw");     // not (source xor target)
  EXPECT_EQ(row(20, 0, 8), "BBBwwwBB");  // what lies off the bitmap leaves the target
}

}  // namespace
