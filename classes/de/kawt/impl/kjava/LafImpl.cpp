// de/kawt/impl/kjava/LafImpl
#include "de/kawt/impl/kjava/LafImpl.h"

#include "de/kawt/impl/kjava/GraphicsImpl.h"
#include "java/awt/Color.h"
#include "java/awt/FontMetrics.h"
#include "java/awt/Graphics.h"
#include "java/awt/Insets.h"
#include "java/awt/SystemColor.h"

namespace de::kawt::impl::kjava {

using java::awt::Color;
using java::awt::FontMetrics;
using java::awt::Graphics;

ClassDecl LafImpl::klass = {
    .name = "de/kawt/impl/kjava/LafImpl",
    .super = &Laf::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = &LafImpl::init,
    .methods = {::impl(Laf::m_paintFrame, &LafImpl::paintFrame),
                ::impl(Laf::m_getInsets, &LafImpl::getInsets),
                ::impl(Laf::m_paintScrollbar, &LafImpl::paintScrollbar)},
    .uses = {&de::kawt::impl::Laf::klass, &de::kawt::impl::kjava::GraphicsImpl::klass,
             &java::awt::Color::klass, &java::awt::FontMetrics::klass, &java::awt::Graphics::klass,
             &java::awt::Insets::klass, &java::awt::SystemColor::klass},
};

void LafImpl::init(Ref self) {
  Laf::init(self);
  Laf::f(self).borderWidth = 3;
  Laf::f(self).arrowSize = 6;
}

static void color(Ref g, Ref c) { vcall(Graphics::m_setColor, g, c); }
static void line(Ref g, jint x1, jint y1, jint x2, jint y2) {
  vcall(Graphics::m_drawLine, g, x1, y1, x2, y2);
}
static void fill(Ref g, jint x, jint y, jint w, jint h) {
  vcall(Graphics::m_fillRect, g, x, y, w, h);
}

// The title in a rounded tab of the accent colour over a double accent line; a highlighted
// title is black in a white box.
void LafImpl::paintFrame(Ref self, Ref g, jint width, jint, jint style, Ref title,
                         jbool highlighted) {
  if (style != 1 || !title) return;
  Ref volatile entry = vcall(Graphics::m_getColor, g);
  Ref volatile font = vcall(Graphics::m_getFont, g);
  Ref accent = java::awt::SystemColor::accent();
  clinit<Color>();
  jint tw = vcall(FontMetrics::m_stringWidth, vcall(Graphics::m_getFontMetrics, g), title);
  color(g, Color::S().white);
  fill(g, tw + 3, 0, width, 13);
  color(g, accent);
  vcall(Graphics::m_fillRoundRect, g, 0, 0, tw + 5, 14, 2, 2);
  line(g, 0, 13, width - 1, 13);
  line(g, 0, 14, width - 1, 14);
  color(g, Color::S().white);
  vcall(Laf::m_drawLabel, self, g, Color::S().black, 3, 2, title, highlighted);
  color(g, entry);
  vcall(Graphics::m_setFont, g, font);
}

Ref LafImpl::getInsets(Ref, jint kind) {
  return kind == Laf::WINDOW ? jnew<java::awt::Insets>(12, 3, 3, 3)
                             : jnew<java::awt::Insets>(16, 0, 0, 0);
}

// Arrows at both ends, the track in dark gray, the thumb in the entry colour edged with the
// background. The bar is not cleared first.
void LafImpl::paintScrollbar(Ref self, Ref g, Ref background, jint w, jint h, jbool vertical,
                             jint thumbPos, jint thumbSize, jint pressedPart, jbool) {
  Ref volatile entry = vcall(Graphics::m_getColor, g);
  clinit<Color>();
  clinit<GraphicsImpl>();
  bool mono = GraphicsImpl::S().mono;
  if (vertical) {
    jint m = w / 2;
    vcall(Laf::m_drawArrow, self, g, background, m - 3, 0, 1, pressedPart == 2);
    vcall(Laf::m_drawArrow, self, g, background, m - 3, h - 6, 2, pressedPart == 1);
    color(g, Color::S().darkGray);
    if (mono) {
      line(g, m - 1, 6, m - 1, h - 7);
      line(g, m, 7, m, h - 8);
      line(g, m + 1, 6, m + 1, h - 7);
    } else {
      fill(g, m - 1, 6, 3, h - 12);
    }
    color(g, entry);
    fill(g, m - 1, thumbPos, 3, thumbSize);
    color(g, background);
    line(g, m - 1, thumbPos - 1, m + 1, thumbPos - 1);
    line(g, m - 1, thumbPos + thumbSize, m + 1, thumbPos + thumbSize);
  } else {
    jint m = h / 2;
    vcall(Laf::m_drawArrow, self, g, background, 0, m - 3, 3, pressedPart == 2);
    vcall(Laf::m_drawArrow, self, g, background, w - 6, m - 3, 4, pressedPart == 1);
    color(g, Color::S().darkGray);
    if (mono) {
      line(g, 6, m - 1, w - 7, m - 1);
      line(g, 6, m, w - 7, m);
      line(g, 6, m + 1, w - 7, m + 1);
      vcall(Graphics::m_setXORMode, g, Color::S().black);
      line(g, 6, m, w - 7, m);
      vcall(Graphics::m_setPaintMode, g);
    } else {
      fill(g, 6, m - 1, w - 12, 3);
    }
    color(g, entry);
    fill(g, thumbPos, m - 1, thumbSize, 3);
    color(g, background);
    line(g, thumbPos, m - 1, thumbPos, m + 1);
    line(g, thumbPos + thumbSize, m - 1, thumbPos + thumbSize, m + 1);
  }
  color(g, entry);
}

}  // namespace de::kawt::impl::kjava
