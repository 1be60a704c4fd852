// The toolkit's drawing on the palm screen: clips, colours and the look and feel, pixel for
// pixel.
#include <gtest/gtest.h>

#include "com/sun/kjava/Graphics.h"
#include "de/kawt/impl/Laf.h"
#include "de/kawt/impl/kjava/GraphicsImpl.h"
#include "java/awt/Color.h"
#include "java/awt/Graphics.h"
#include "java/awt/Rectangle.h"
#include "java/awt/Toolkit.h"
#include "scratch.h"
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
  run_cleanly(toolkit_test_classes, std::move(body), colour ? "-color" : "");
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
  });
}

// The look and feel and the colours, pixel for pixel against pictures checked once by eye
// against the rules, in colour and in monochrome. Top down: buttons 24 by 14 labelled "OK"
// (plain, pressed, focused); a frame's title, plain and highlighted; borders 12 by 8, styles
// 1 to 5, in red; a vertical bar 7 by 24 (thumb at 9 over 4, down arrow pressed) and a
// horizontal one 24 by 7 (thumb at 12 over 3, left arrow pressed); swatches of light grey,
// grey, dark grey, red and black, red filled in XOR mode (an inversion) over them and after
// paint mode again; "Ag" at baseline 110, and a drawRect border; at the right, the screen
// filled through two Graphics that keep their own clips, 10 by 10 each, and through one
// clipped to nothing. On a mismatch the picture drawn is kept in the test's scratch folder
// (named in the failure): copying it over the reference makes it again
// (toolkit_spine_tests --gtest_filter='LookAndFeel.*').
TEST(LookAndFeel, EveryPieceAsInTheReferencePicture) {
  std::string dir = scratch_dir();
  for (bool colour : {true, false}) {
    std::string name = colour ? "laf_colour.png" : "laf_mono.png";
    std::vector<uint32_t> got;
    run(colour, [&] {
      clear();
      Ref laf = Toolkit::getLaf();
      for (int i = 0; i < 3; i++)
        vcall(Laf::m_paintButton, laf, graphics(26 * i, 0), white(), 24, 14, lit("OK"),
              jbool{i == 2}, jbool{i == 1});
      for (int i = 0; i < 2; i++)
        vcall(Laf::m_paintFrame, laf, graphics(0, 16 + 16 * i), 160, 160, 1, lit("Ab"),
              jbool{i == 1});
      for (jint style = 1; style <= 5; style++)
        vcall(Laf::m_paintBorder, laf, graphics(14 * style - 14, 50), Color::S().red, 12, 8, style);
      vcall(Laf::m_paintScrollbar, laf, graphics(0, 62), white(), 7, 24, jbool{1}, 9, 4, 1,
            jbool{0});
      vcall(Laf::m_paintScrollbar, laf, graphics(9, 62), white(), 24, 7, jbool{0}, 12, 3, 2,
            jbool{0});
      auto& c = Color::S();
      Ref volatile g = graphics(0, 90);
      Ref swatches[] = {c.lightGray, c.gray, c.darkGray, c.red, c.black};
      for (int i = 0; i < 5; i++) {
        vcall(Graphics::m_setColor, g, swatches[i]);
        vcall(Graphics::m_fillRect, g, 10 * i, 0, 8, 8);
      }
      vcall(Graphics::m_setXORMode, g, white());
      vcall(Graphics::m_setColor, g, c.red);
      vcall(Graphics::m_fillRect, g, 4, 2, 42, 3);
      vcall(Graphics::m_setPaintMode, g);
      vcall(Graphics::m_fillRect, g, 4, 6, 42, 1);
      vcall(Graphics::m_setColor, g, c.black);
      vcall(Graphics::m_drawString, g, lit("Ag"), 0, 20);
      vcall(Graphics::m_drawRect, g, 20, 12, 10, 10);
      Ref volatile clipped[] = {graphics(0, 0), graphics(0, 0), graphics(0, 0)};
      vcall(Graphics::m_clipRect, clipped[0], 100, 60, 10, 10);
      vcall(Graphics::m_clipRect, clipped[1], 120, 60, 10, 10);
      vcall(Graphics::m_clipRect, clipped[2], 0, 0, 20, 20);
      vcall(Graphics::m_clipRect, clipped[2], 50, 50, 10, 10);
      for (Ref k : clipped) vcall(Graphics::m_fillRect, k, 0, 0, 160, 160);
      got = screen();
    });
    Picture want = read_png(std::string(PICTURES "/") + name);
    if (want.ok && got == want.px) continue;
    std::string drawn = dir + "/" + name;
    png_write(drawn.c_str(), got.data(), 320, 320);
    ADD_FAILURE() << "differs from " << name << "; drawn: " << drawn;
  }
}

}  // namespace
