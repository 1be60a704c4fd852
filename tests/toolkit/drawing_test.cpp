// The palm drawing binding and the look and feel, pixel for pixel: each case draws through the
// toolkit and again as the rule says in palm calls, on a cleared screen, and compares.
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

// A rectangle outline from (x, y) to (x + w, y + h), as lines.
void outline(jint x, jint y, jint w, jint h, jint mode) {
  Palm::drawLine(x, y, x + w, y, mode);
  Palm::drawLine(x, y + h, x + w, y + h, mode);
  Palm::drawLine(x, y, x, y + h, mode);
  Palm::drawLine(x + w, y, x + w, y + h, mode);
}

jint width(const char* s) { return Palm::getWidth(lit(s)); }

struct Case {
  const char* name;
  std::function<void()> toolkit;  // draws through the toolkit
  std::function<void()> rule;     // the same in palm calls
};

void compare(const Case& k) {
  clear();
  k.toolkit();
  Screen drawn = screen_now();
  clear();
  k.rule();
  Screen expected = screen_now();
  ASSERT_TRUE(drawn.ok && expected.ok);
  EXPECT_GT(expected.inked(0, 0, 159, 159), 0) << k.name;
  EXPECT_EQ(drawn.px == expected.px, true) << k.name;
}

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
    compare({"drawString at y 10 has its top at 0",
             [] { vcall(Graphics::m_drawString, graphics(0, 0), lit("Ag"), 0, 10); },
             [] { Palm::drawString(lit("Ag"), 0, 0, 1); }});
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

// The look and feel (the palm one, in colour so that every colour shows as itself)

constexpr jint kBlack = 0x000000;
constexpr jint kWhite = 0xFFFFFF;
constexpr jint kAccent = 0x330099;
constexpr jint kDarkGray = 0x404040;

Ref laf() { return Toolkit::getLaf(); }

// paintButton at (10, 20), 40 by 14, label "OK", entry colour black, white background.
Case button(bool focus, bool pressed) {
  return {focus     ? "focused button"
          : pressed ? "pressed button"
                    : "button",
          [=] {
            Ref volatile g = graphics(10, 20);
            vcall(Laf::m_paintButton, laf(), g, white(), 40, 14, lit("OK"), focus, pressed);
          },
          [=] {
            Palm::drawRectangle(11, 21, 38, 12, mode_of(pressed ? kAccent : kWhite), 2);
            Palm::drawBorder(11, 21, 38, 12, mode_of(kBlack), (3 << 8) | 1);
            jint x = 10 + (40 - width("OK")) / 2;
            jint y = 20 + (14 - 12) / 2;
            jint text = pressed ? kWhite : kBlack;
            if (focus) {
              Palm::drawRectangle(x, y, width("OK"), 12, mode_of(text), 0);
              text = kWhite;
            }
            Palm::drawString(lit("OK"), x, y, mode_of(text));
          }};
}

Case frame(bool highlighted) {
  return {highlighted ? "highlighted frame title" : "frame title",
          [=] {
            Ref volatile g = graphics(0, 0);
            vcall(Laf::m_paintFrame, laf(), g, 160, 160, 1, lit("Table"), highlighted);
          },
          [=] {
            jint tw = width("Table");
            Palm::drawRectangle(tw + 3, 0, 160, 13, mode_of(kWhite), 0);
            Palm::drawRectangle(0, 0, tw + 5, 14, mode_of(kAccent), 2);
            Palm::drawLine(0, 13, 159, 13, mode_of(kAccent));
            Palm::drawLine(0, 14, 159, 14, mode_of(kAccent));
            if (highlighted) Palm::drawRectangle(3, 2, tw, 12, mode_of(kWhite), 0);
            Palm::drawString(lit("Table"), 3, 2, mode_of(highlighted ? kBlack : kWhite));
          }};
}

// paintBorder at (5, 5), 30 by 20, entry colour black, given colour red.
Case border(jint style) {
  return {"border",
          [=] {
            Ref volatile g = graphics(5, 5);
            vcall(Laf::m_paintBorder, laf(), g, Color::S().red, 30, 20, style);
          },
          [=] {
            jint b = mode_of(kBlack);
            if (style == 1) outline(5, 5, 29, 19, b);
            if (style == 2 || style == 4 || style == 5) {
              outline(6, 6, 27, 17, style == 4 ? mode_of(0xFF0000) : b);
              outline(5, 5, 29, 19, b);
            }
            if (style == 3) {
              Palm::drawLine(7, 6, 31, 6, b);
              Palm::drawLine(7, 22, 32, 22, b);
              Palm::drawLine(8, 23, 31, 23, b);
              Palm::drawLine(6, 7, 6, 21, b);
              Palm::drawLine(32, 7, 32, 22, b);
              Palm::drawLine(33, 8, 33, 21, b);
            }
          }};
}

// An arrow's rule: a 7 x 6 (or 6 x 7) box in `bg`, four lines in black, swapped when
// inverted; directions 1 to 4 are up, down, left, right.
void arrow_rule(jint ax, jint ay, jint dir, bool inverted, jint bg) {
  jint box = mode_of(inverted ? kBlack : bg);
  jint lines = mode_of(inverted ? bg : kBlack);
  bool v = dir <= 2;
  Palm::drawRectangle(ax, ay, v ? 7 : 6, v ? 6 : 7, box, 0);
  for (jint k = 0; k < 4; k++) {
    jint i = dir == 1 || dir == 3 ? 3 - k : k;
    if (v) {
      Palm::drawLine(ax + i, ay + 1 + k, ax + 6 - i, ay + 1 + k, lines);
    } else {
      Palm::drawLine(ax + 1 + k, ay + i, ax + 1 + k, ay + 6 - i, lines);
    }
  }
}

// drawArrow at (20, 30) with red as the given colour and black as the entry colour.
Case arrow(jint direction, bool inverted) {
  return {"arrow",
          [=] {
            Ref volatile g = graphics(0, 0);
            vcall(Laf::m_drawArrow, laf(), g, Color::S().red, 20, 30, direction, inverted);
          },
          [=] { arrow_rule(20, 30, direction, inverted, 0xFF0000); }};
}

// A vertical bar 7 by 40 at (50, 10), thumb at 12 over 9, the down arrow pressed; a
// horizontal one 40 by 7 at (50, 80), thumb at 15 over 6, the left arrow pressed.
void scrollbar_arrows(bool vertical, jint x, jint y, jint w, jint h, jint bg) {
  jint m = vertical ? w / 2 : h / 2;
  if (vertical) {
    arrow_rule(x + m - 3, y, 1, false, bg);
    arrow_rule(x + m - 3, y + h - 6, 2, true, bg);
  } else {
    arrow_rule(x, y + m - 3, 3, true, bg);
    arrow_rule(x + w - 6, y + m - 3, 4, false, bg);
  }
}

Case scrollbar(bool vertical) {
  return {vertical ? "vertical scrollbar" : "horizontal scrollbar",
          [=] {
            Ref volatile g = graphics(50, vertical ? 10 : 80);
            if (vertical) {
              vcall(Laf::m_paintScrollbar, laf(), g, white(), 7, 40, jbool{1}, 12, 9, 1, jbool{0});
            } else {
              vcall(Laf::m_paintScrollbar, laf(), g, white(), 40, 7, jbool{0}, 15, 6, 2, jbool{0});
            }
          },
          [=] {
            if (vertical) {
              scrollbar_arrows(true, 50, 10, 7, 40, kWhite);
              jint m = 50 + 3;
              Palm::drawRectangle(m - 1, 16, 3, 28, mode_of(kDarkGray), 0);
              Palm::drawRectangle(m - 1, 22, 3, 9, mode_of(kBlack), 0);
              Palm::drawLine(m - 1, 21, m + 1, 21, mode_of(kWhite));
              Palm::drawLine(m - 1, 31, m + 1, 31, mode_of(kWhite));
            } else {
              scrollbar_arrows(false, 50, 80, 40, 7, kWhite);
              jint m = 80 + 3;
              Palm::drawRectangle(56, m - 1, 28, 3, mode_of(kDarkGray), 0);
              Palm::drawRectangle(65, m - 1, 6, 3, mode_of(kBlack), 0);
              Palm::drawLine(65, m - 1, 65, m + 1, mode_of(kWhite));
              Palm::drawLine(71, m - 1, 71, m + 1, mode_of(kWhite));
            }
          }};
}

TEST(LookAndFeel, DrawnPixelForPixelAsItsRulesSay) {
  run(true, [] {
    std::vector<Case> cases = {button(false, false), button(false, true), button(true, false),
                               frame(false),         frame(true),         scrollbar(true),
                               scrollbar(false)};
    for (jint style = 1; style <= 5; style++) cases.push_back(border(style));
    for (jint d = 1; d <= 4; d++) {
      cases.push_back(arrow(d, false));
      cases.push_back(arrow(d, true));
    }
    for (const Case& k : cases) compare(k);
  });
}

// In monochrome the track is three dark (black) lines, and a horizontal bar's middle one is
// inverted again.
TEST(LookAndFeel, MonochromeScrollbarTrack) {
  run(false, [] {
    compare({"monochrome horizontal track",
             [] {
               vcall(Laf::m_paintScrollbar, laf(), graphics(50, 80), white(), 40, 7, jbool{0}, 15,
                     6, 0, jbool{0});
             },
             [] {
               for (jint dy = -1; dy <= 1; dy++) Palm::drawLine(56, 83 + dy, 83, 83 + dy, 1);
               Palm::drawLine(56, 83, 83, 83, 4);
               Palm::drawRectangle(65, 82, 6, 3, 1, 0);
               Palm::drawLine(65, 82, 65, 84, 3);
               Palm::drawLine(71, 82, 71, 84, 3);
               for (jint k = 0; k < 4; k++) {
                 Palm::drawLine(51 + k, 80 + 3 - k, 51 + k, 86 - 3 + k, 1);
                 Palm::drawLine(85 + k, 80 + k, 85 + k, 86 - k, 1);
               }
             }});
  });
}

}  // namespace
