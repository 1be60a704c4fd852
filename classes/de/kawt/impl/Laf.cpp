// de/kawt/impl/Laf
#include "de/kawt/impl/Laf.h"

#include "java/awt/Color.h"
#include "java/awt/Dimension.h"
#include "java/awt/FontMetrics.h"
#include "java/awt/Graphics.h"
#include "java/awt/Insets.h"
#include "java/awt/SystemColor.h"

namespace de::kawt::impl {

using java::awt::Color;
using java::awt::Dimension;
using java::awt::FontMetrics;
using java::awt::Graphics;
using java::awt::Insets;

ClassDecl Laf::klass = {
    .name = "de/kawt/impl/Laf",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = &Laf::init,
    .methods = {::impl(m_paintButton, &Laf::paintButton), ::impl(m_drawLabel, &Laf::drawLabel),
                ::impl(m_paintFrame, &Laf::paintFrame), ::impl(m_paintBorder, &Laf::paintBorder),
                ::impl(m_getBorderInsets, &Laf::getBorderInsets),
                ::impl(m_getInsets, &Laf::getInsets), ::impl(m_drawArrow, &Laf::drawArrow),
                ::impl(m_paintScrollbar, &Laf::paintScrollbar),
                ::impl(m_buttonSize, &Laf::buttonSize), ::impl(m_checkboxSize, &Laf::checkboxSize),
                ::impl(m_scrollbarSize, &Laf::scrollbarSize)},
    .uses = {&java::lang::Object::klass, &java::awt::Color::klass, &java::awt::Dimension::klass,
             &java::awt::FontMetrics::klass, &java::awt::Graphics::klass, &java::awt::Insets::klass,
             &java::awt::SystemColor::klass},
};

void Laf::init(Ref self) {
  java::lang::Object::init(self);
  f(self).borderWidth = 1;
  f(self).arrowSize = 0;
}

jint Laf::getArrowSize(Ref self) { return f(nn(self)).arrowSize; }

static void color(Ref g, Ref c) { vcall(Graphics::m_setColor, g, c); }
static void line(Ref g, jint x1, jint y1, jint x2, jint y2) {
  vcall(Graphics::m_drawLine, g, x1, y1, x2, y2);
}
static void rect(Ref g, jint x, jint y, jint w, jint h) {
  vcall(Graphics::m_drawRect, g, x, y, w, h);
}
static void fill(Ref g, jint x, jint y, jint w, jint h) {
  vcall(Graphics::m_fillRect, g, x, y, w, h);
}

void Laf::paintButton(Ref self, Ref g, Ref background, jint w, jint h, Ref label, jbool focus,
                      jbool pressed) {
  Ref volatile entry = vcall(Graphics::m_getColor, g);
  color(g, pressed ? java::awt::SystemColor::accent() : background);
  vcall(Graphics::m_fillRoundRect, g, 1, 1, w - 2, h - 2, 2, 2);
  color(g, entry);
  vcall(Graphics::m_drawRoundRect, g, 0, 0, w - 1, h - 1, 3, 3);
  color(g, pressed ? background : entry);
  Ref fm = vcall(Graphics::m_getFontMetrics, g);
  jint x = (w - vcall(FontMetrics::m_stringWidth, fm, label)) / 2;
  jint y = (h - vcall(FontMetrics::m_getHeight, fm)) / 2;
  vcall(m_drawLabel, self, g, background, x, y, label, focus);
  color(g, entry);
}

// Inverted: a box in the current colour with the text in the given one.
void Laf::drawLabel(Ref, Ref g, Ref c, jint x, jint y, Ref text, jbool inverted) {
  Ref fm = vcall(Graphics::m_getFontMetrics, g);
  jint ascent = vcall(FontMetrics::m_getAscent, fm);
  if (!inverted) {
    vcall(Graphics::m_drawString, g, text, x, y + ascent);
    return;
  }
  Ref volatile entry = vcall(Graphics::m_getColor, g);
  fill(g, x, y, vcall(FontMetrics::m_stringWidth, fm, text), vcall(FontMetrics::m_getHeight, fm));
  color(g, c);
  vcall(Graphics::m_drawString, g, text, x, y + ascent);
  color(g, entry);
}

void Laf::paintFrame(Ref self, Ref g, jint, jint, jint style, Ref title, jbool highlighted) {
  if (style != 1 || !title) return;
  clinit<Color>();
  vcall(m_drawLabel, self, g, Color::S().white, 0, 0, title, highlighted);
  line(g, 0, 8, 160, 8);
}

void Laf::paintBorder(Ref, Ref g, Ref c, jint w, jint h, jint style) {
  switch (style) {
    case 1:
      rect(g, 0, 0, w - 1, h - 1);
      break;
    case 2:
    case 5:
      rect(g, 1, 1, w - 3, h - 3);
      rect(g, 0, 0, w - 1, h - 1);
      break;
    case 4: {
      Ref volatile entry = vcall(Graphics::m_getColor, g);
      color(g, c);
      rect(g, 1, 1, w - 3, h - 3);
      color(g, entry);
      rect(g, 0, 0, w - 1, h - 1);
      break;
    }
    case 3:  // a frame with a shadow
      line(g, 2, 1, w - 4, 1);
      line(g, 2, h - 3, w - 3, h - 3);
      line(g, 3, h - 2, w - 4, h - 2);
      line(g, 1, 2, 1, h - 4);
      line(g, w - 3, 2, w - 3, h - 3);
      line(g, w - 2, 3, w - 2, h - 4);
      break;
  }
}

Ref Laf::getBorderInsets(Ref, jint style) {
  switch (style) {
    case 1:
      return jnew<Insets>(1, 1, 1, 1);
    case 3:
      return jnew<Insets>(3, 3, 2, 2);
    case 2:
    case 4:
    case 5:
      return jnew<Insets>(2, 2, 2, 2);
    default:
      return jnew<Insets>(0, 0, 0, 0);
  }
}

Ref Laf::getInsets(Ref, jint kind) {
  return kind == WINDOW ? jnew<Insets>(10, 3, 3, 3) : jnew<Insets>(10, 0, 0, 0);
}

// A 7 by 6 (or 6 by 7) box with a four-line triangle pointing its way.
void Laf::drawArrow(Ref, Ref g, Ref c, jint x, jint y, jint direction, jbool inverted) {
  if (direction < 1 || direction > 4) return;
  Ref volatile entry = vcall(Graphics::m_getColor, g);
  color(g, inverted ? static_cast<Ref>(entry) : c);
  bool vertical = direction <= 2;
  if (vertical) {
    fill(g, x, y, 7, 6);
  } else {
    fill(g, x, y, 6, 7);
  }
  color(g, inverted ? c : static_cast<Ref>(entry));
  for (jint k = 0; k < 4; k++) {
    jint i = direction == 1 || direction == 3 ? 3 - k : k;
    if (vertical) {
      line(g, x + i, y + 1 + k, x + 6 - i, y + 1 + k);
    } else {
      line(g, x + 1 + k, y + i, x + 1 + k, y + 6 - i);
    }
  }
  color(g, entry);
}

void Laf::paintScrollbar(Ref, Ref g, Ref background, jint w, jint h, jbool vertical, jint thumbPos,
                         jint thumbSize, jint, jbool) {
  Ref volatile entry = vcall(Graphics::m_getColor, g);
  color(g, background);
  fill(g, 0, 0, w, h);
  color(g, entry);
  if (vertical) {
    jint m = w / 2;
    line(g, m, 0, m, h - 1);
    line(g, m - 1, 0, m + 1, 0);
    line(g, m - 1, h - 1, m + 1, h - 1);
    fill(g, m - 1, thumbPos, 3, thumbSize);
  } else {
    jint m = h / 2;
    line(g, 0, m, w - 1, m);
    line(g, 0, m - 1, 0, m + 1);
    line(g, w - 1, m - 1, w - 1, m + 1);
    fill(g, thumbPos, m - 1, thumbSize, 3);
  }
}

Ref Laf::buttonSize(Ref, Ref metrics, Ref label) {
  return jnew<Dimension>(vcall(FontMetrics::m_stringWidth, metrics, label) + 4,
                         vcall(FontMetrics::m_getHeight, metrics) + 2);
}

Ref Laf::checkboxSize(Ref) { return jnew<Dimension>(7, 7); }

Ref Laf::scrollbarSize(Ref self, jint vertical) {
  jint a = f(self).arrowSize;
  return vertical == 1 ? jnew<Dimension>(3 * a, 5) : jnew<Dimension>(5, 3 * a);
}

}  // namespace de::kawt::impl
