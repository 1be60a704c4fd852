// The palm drawing binding (each case drawn through the toolkit and again in palm calls, on a
// cleared screen, and compared) and the look and feel, pixel for pixel.
#include <gtest/gtest.h>

#include "com/sun/kjava/Graphics.h"
#include "de/kawt/impl/Laf.h"
#include "de/kawt/impl/kjava/GraphicsImpl.h"
#include "java/awt/Color.h"
#include "java/awt/Graphics.h"
#include "java/awt/Rectangle.h"
#include "java/awt/Toolkit.h"
#include "toolkit_support.h"

using de::kawt::impl::Laf;
using de::kawt::impl::kjava::GraphicsImpl;
using java::awt::Color;
using java::awt::Graphics;
using java::awt::Toolkit;
using Palm = com::sun::kjava::Graphics;

namespace {

Ref white() { return Color::S().white; }

void run(bool colour, std::function<void()> body) {
  InProcessResult r = run_in_process({.classes = toolkit_test_classes,
                                      .body = std::move(body),
                                      .commandLine = colour ? "-color" : ""});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.boxes, std::vector<std::string>{});
}

Ref graphics(jint tx, jint ty) {
  clinit<Color>();
  Ref volatile g = Toolkit::createGraphics();
  vcall(Graphics::m_translate, g, tx, ty);
  return g;
}

void clear() {
  Palm::resetDrawRegion();
  Palm::clearScreen();
}

jint mode_of(jint rgb) { return (rgb << 8) + Palm::COLOR; }

TEST(GraphicsImpl, ColourToModeInMonochromeAndInColour) {
  std::vector<jint> mono, colour;
  auto modes = [](std::vector<jint>& out) {
    Ref volatile g = graphics(0, 0);
    auto& s = Color::S();
    for (Ref c : {s.lightGray, s.gray, s.darkGray, s.white, s.black, s.red}) {
      vcall(Graphics::m_setColor, g, c);
      out.push_back(GraphicsImpl::f(g).mode);
    }
  };
  run(false, [&] { modes(mono); });
  run(true, [&] { modes(colour); });
  EXPECT_EQ(mono, (std::vector<jint>{3, 2, 1, 3, 1, 1}));  // sums 576, 384, 192, 765, 0, 255
  EXPECT_EQ(static_cast<uint32_t>(colour[5]), 0xFF000005u);
  EXPECT_EQ(colour[0], mode_of(0xC0C0C0));
}

TEST(GraphicsImpl, XorModeKeepsInvertUntilPaintModeRestoresTheColour) {
  run(true, [&] {
    Ref volatile g = graphics(0, 0);
    vcall(Graphics::m_setXORMode, g, white());
    EXPECT_EQ(GraphicsImpl::f(g).mode, 4);
    vcall(Graphics::m_setColor, g, Color::S().red);
    EXPECT_EQ(GraphicsImpl::f(g).mode, 4);
    EXPECT_EQ(vcall(Graphics::m_getColor, g), Color::S().red) << "stored in XOR mode";
    vcall(Graphics::m_setPaintMode, g);
    EXPECT_EQ(GraphicsImpl::f(g).mode, mode_of(0xFF0000));
  });
}

// A clip outside draws nothing and each Graphics keeps its own clip.
TEST(GraphicsImpl, ClipRectArithmetic) {
  struct Case {
    jint tx, ty;
    std::vector<std::array<jint, 4>> clips;
    std::array<jint, 4> screenClip;  // clipX, clipY, clipWidth, clipHeight
    std::array<jint, 4> bounds;      // getClipBounds
  };
  const Case cases[] = {
      {10, 20, {{5, 5, 30, 40}}, {15, 25, 30, 40}, {5, 5, 30, 40}},
      {0, 0, {{-10, -10, 50, 50}}, {0, 0, 40, 40}, {0, 0, 40, 40}},
      {0, 0, {{150, 0, 30, 170}}, {150, 0, 10, 160}, {150, 0, 10, 160}},
      {0, 0, {{0, 0, 20, 20}, {50, 50, 10, 10}}, {50, 50, -30, -30}, {50, 50, -30, -30}},
  };
  run(false, [&] {
    for (const Case& k : cases) {
      Ref volatile g = graphics(k.tx, k.ty);
      for (auto c : k.clips) vcall(Graphics::m_clipRect, g, c[0], c[1], c[2], c[3]);
      auto& f = GraphicsImpl::f(g);
      EXPECT_EQ((std::array<jint, 4>{f.clipX, f.clipY, f.clipWidth, f.clipHeight}), k.screenClip);
      auto& b = java::awt::Rectangle::f(vcall(Graphics::m_getClipBounds, g));
      EXPECT_EQ((std::array<jint, 4>{b.x, b.y, b.width, b.height}), k.bounds);
    }
    clear();
    Ref volatile gone = graphics(0, 0);
    vcall(Graphics::m_clipRect, gone, 0, 0, 20, 20);
    vcall(Graphics::m_clipRect, gone, 50, 50, 10, 10);
    vcall(Graphics::m_fillRect, gone, 0, 0, 160, 160);
    EXPECT_EQ(screen_now().inked(0, 0, 159, 159), 0);
    Ref volatile a = graphics(0, 0);
    Ref volatile b = graphics(0, 0);
    vcall(Graphics::m_clipRect, a, 0, 0, 10, 10);
    vcall(Graphics::m_clipRect, b, 100, 100, 10, 10);
    vcall(Graphics::m_fillRect, a, 0, 0, 160, 160);
    vcall(Graphics::m_fillRect, b, 0, 0, 160, 160);
    Screen s = screen_now();
    EXPECT_EQ(s.inked(0, 0, 9, 9), 100);
    EXPECT_EQ(s.inked(100, 100, 109, 109), 100);
    EXPECT_EQ(s.inked(0, 0, 159, 159), 200);
  });
}

TEST(GraphicsImpl, DrawStringBaselineAndDrawRectBorder) {
  run(false, [] {
    // drawString's y is the baseline: at 10 the text is where the palm call puts it at 0
    clear();
    Palm::drawString(lit("Ag"), 0, 0, 1);
    Screen palm = screen_now();
    clear();
    vcall(Graphics::m_drawString, graphics(0, 0), lit("Ag"), 0, 10);
    EXPECT_GT(palm.inked(0, 0, 159, 159), 0);
    EXPECT_TRUE(screen_now().px == palm.px);
    // the border around (1, 1, 9, 9) is the outline from (0, 0) to (10, 10)
    clear();
    vcall(Graphics::m_drawRect, graphics(20, 30), 0, 0, 10, 10);
    Screen s = screen_now();
    EXPECT_EQ(s.inked(0, 0, 159, 159), 40);
    for (int i = 0; i <= 10; i++) {
      EXPECT_TRUE(s.black(20 + i, 30) && s.black(20 + i, 40)) << i;
      EXPECT_TRUE(s.black(20, 30 + i) && s.black(30, 30 + i)) << i;
    }
  });
}

// The look and feel (the palm one, in colour so that every colour shows as itself), pixel
// for pixel as its rules lay it out: '#' black, '.' white, 'a' the accent colour, 'r' red (the
// colour given), 'g' dark grey, '?' text ink (drawn finer than a device pixel).

Ref laf() { return Toolkit::getLaf(); }

// The screen's device pixels from (x0, y0) compared with a picture, one line a row.
void expect_picture(int x0, int y0, const std::string& want, const char* what) {
  Screen s = screen_now();
  std::string got;
  size_t w = want.find('\n', 1) - 1;
  for (int y = y0; got.size() + 1 < want.size(); y++) {
    got += '\n';
    for (int x = x0; x < x0 + static_cast<int>(w); x++) {
      uint32_t c = s.at(x, y);
      got += c == 0x000000   ? '#'
             : c == 0xFFFFFF ? '.'
             : c == 0x330099 ? 'a'
             : c == 0xFF0000 ? 'r'
             : c == 0x404040 ? 'g'
                             : '?';
    }
  }
  EXPECT_EQ(got + '\n', want) << what;
}

// Buttons 24 by 14 labelled "OK", white background: plain, pressed, focused. A frame with
// corners rounded by 3, the label centred; pressed fills with the accent and writes white;
// the focus writes white on a black box around the label.
TEST(LookAndFeel, Buttons) {
  run(true, [] {
    clear();
    for (int i = 0; i < 3; i++)
      vcall(Laf::m_paintButton, laf(), graphics(26 * i, 0), white(), 24, 14, lit("OK"),
            jbool{i == 2}, jbool{i == 1});
    expect_picture(0, 0, R"(
..####################......####################......####################..
.#....................#....#aaaaaaaaaaaaaaaaaaaa#....#.....#########......#.
#.......???.??.??......#..#aaaaaaa???a??a??aaaaaa#..#......#???#??#?.......#
#......?###??#?#.......#..#aaaaaa?...??.?.aaaaaaa#..#......?...??.?........#
#......??.???##?.......#..#aaaaaa??a???..?aaaaaaa#..#......??#???..?.......#
#......??.?#?#?........#..#aaaaaa??a?.?.?aaaaaaaa#..#......??#?.?.?#.......#
#......??.?#?##........#..#aaaaaa??a?.?..aaaaaaaa#..#......??#?.?..#.......#
#......??.???#??.......#..#aaaaaa??a???.??aaaaaaa#..#......??#???.??.......#
#......?###??#?#?......#..#aaaaaa?...??.?.?aaaaaa#..#......?...??.?........#
#.......???.??.??......#..#aaaaaaa???a??a??aaaaaa#..#......#???#??#?.......#
#......................#..#aaaaaaaaaaaaaaaaaaaaaa#..#......#########.......#
#......................#..#aaaaaaaaaaaaaaaaaaaaaa#..#......#########.......#
.#....................#....#aaaaaaaaaaaaaaaaaaaa#....#.....#########......#.
..####################......####################......####################..
)",
                   "buttons");
  });
}

// The frame's title: white on an accent tab with corners rounded by 2, an accent rule two
// lines deep across the top; highlighted, the title is black on white.
TEST(LookAndFeel, FrameTitle) {
  run(true, [] {
    clear();
    vcall(Laf::m_paintFrame, laf(), graphics(0, 0), 160, 160, 1, lit("Ab"), jbool{0});
    expect_picture(0, 0, R"(
.aaaaaaaaaaaa.................
aaaaaaaaaaaaaa................
aaaaaaaaaaaaaa................
aaaa??aa.aaaaa................
aaaa?.?a.aaaaa................
aaaa..?a.?.aaa................
aaaa.??a.???aa................
aaa?.?.a.a??aa................
aaa?...?.???aa................
aaa?????...?aa................
aaa??a?????aaa................
aaaaaaaaaaaaaa................
aaaaaaaaaaaaaa................
aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa
aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa
..............................
)",
                   "frame");
    clear();
    vcall(Laf::m_paintFrame, laf(), graphics(0, 0), 160, 160, 1, lit("Ab"), jbool{1});
    expect_picture(0, 0, R"(
.aaaaaaaaaaaa.................
aaaaaaaaaaaaaa................
aaa.........aa................
aaa.??..#...aa................
aaa.?#?.#...aa................
aaa.##?.#?#.aa................
aaa.#??.#???aa................
aaa?#?#.#.??aa................
aaa?###?#???aa................
aaa?????###?aa................
aaa??.?????.aa................
aaa.........aa................
aaa.........aa................
aaa.........aaaaaaaaaaaaaaaaaa
aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa
..............................
)",
                   "highlighted");
  });
}

// Borders 12 by 8, styles 1 to 5 left to right, red as the given colour.
TEST(LookAndFeel, Borders) {
  run(true, [] {
    clear();
    for (jint style = 1; style <= 5; style++)
      vcall(Laf::m_paintBorder, laf(), graphics(14 * (style - 1), 0), Color::S().red, 12, 8, style);
    expect_picture(0, 0, R"(
############..############................############..############
#..........#..############....#######.....#rrrrrrrrrr#..############
#..........#..##........##...#.......#....#r........r#..##........##
#..........#..##........##...#.......##...#r........r#..##........##
#..........#..##........##...#.......##...#r........r#..##........##
#..........#..##........##....########....#r........r#..##........##
#..........#..############.....######.....#rrrrrrrrrr#..############
############..############................############..############
)",
                   "borders");
  });
}

// A vertical bar 7 by 24, thumb at 9 over 4, its down arrow pressed; a horizontal one 24 by
// 7 beside it, thumb at 12 over 3, its left arrow pressed: the four arrows, two of them
// pressed (inverted), a dark grey track, a black thumb between white lines. In monochrome a
// horizontal bar's track is three black lines, the middle one inverted again.
TEST(LookAndFeel, Scrollbars) {
  auto bars = [](bool vertical) {
    clear();
    if (vertical)
      vcall(Laf::m_paintScrollbar, laf(), graphics(0, 0), white(), 7, 24, jbool{1}, 9, 4, 1,
            jbool{0});
    vcall(Laf::m_paintScrollbar, laf(), graphics(9, 0), white(), 24, 7, jbool{0}, 12, 3, 2,
          jbool{0});
  };
  run(true, [&] {
    bars(true);
    expect_picture(0, 0, R"(
.........####.#.............#....
...#.....###..#.............##...
..###....##...#gggggg.##.gg.###..
.#####...#....#gggggg.##.gg.####.
#######..##...#gggggg.##.gg.###..
.........###..#.............##...
..ggg....####.#.............#....
..ggg............................
.................................
..###............................
..###............................
..###............................
..###............................
.................................
..ggg............................
..ggg............................
..ggg............................
..ggg............................
#######..........................
.................................
#.....#..........................
##...##..........................
###.###..........................
#######..........................
)",
                   "colour");
  });
  run(false, [&] {
    bars(false);
    expect_picture(9, 0, R"(
####.#.............#....
###..#.............##...
##...#######.##.##.###..
#....#.......##....####.
##...#######.##.##.###..
###..#.............##...
####.#.............#....
)",
                   "monochrome");
  });
}

}  // namespace
