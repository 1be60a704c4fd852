// de/kawt/impl/kjava/GraphicsImpl
#include "de/kawt/impl/kjava/GraphicsImpl.h"

#include <algorithm>

#include "com/sun/kjava/Graphics.h"
#include "de/kawt/impl/kjava/FontMetricsImpl.h"
#include "de/kawt/impl/kjava/ImageImpl.h"
#include "java/awt/Color.h"
#include "java/awt/Rectangle.h"
#include "java/lang/Integer.h"
#include "java/lang/System.h"

namespace de::kawt::impl::kjava {

using java::awt::Color;
using java::awt::Graphics;
using Palm = com::sun::kjava::Graphics;

ClassDecl GraphicsImpl::klass = {
    .name = "de/kawt/impl/kjava/GraphicsImpl",
    .super = &Graphics::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(color), JAVA_REF(fontMetrics)},
    .classInit = &GraphicsImpl::staticInit,
    .defaultCtor = &GraphicsImpl::init,
    .methods = {::impl(Graphics::m_create, &GraphicsImpl::create),
                ::impl(Graphics::m_translate, &GraphicsImpl::translate),
                ::impl(Graphics::m_clipRect, &GraphicsImpl::clipRect),
                ::impl(Graphics::m_setClip, &GraphicsImpl::setClip),
                ::impl(Graphics::m_getClipBounds, &GraphicsImpl::getClipBounds),
                ::impl(Graphics::m_getClipBoundsInto, &GraphicsImpl::getClipBoundsInto),
                ::impl(Graphics::m_hitClip, &GraphicsImpl::hitClip),
                ::impl(Graphics::m_setColor, &GraphicsImpl::setColor),
                ::impl(Graphics::m_getColor, &GraphicsImpl::getColor),
                ::impl(Graphics::m_setXORMode, &GraphicsImpl::setXORMode),
                ::impl(Graphics::m_setPaintMode, &GraphicsImpl::setPaintMode),
                ::impl(Graphics::m_setFont, &GraphicsImpl::setFont),
                ::impl(Graphics::m_getFont, &GraphicsImpl::getFont),
                ::impl(Graphics::m_getFontMetrics, &GraphicsImpl::getFontMetrics),
                ::impl(Graphics::m_getFontMetricsOf, &GraphicsImpl::getFontMetricsOf),
                ::impl(Graphics::m_drawLine, &GraphicsImpl::drawLine),
                ::impl(Graphics::m_drawPolyline, &GraphicsImpl::drawPolyline),
                ::impl(Graphics::m_drawRect, &GraphicsImpl::drawRect),
                ::impl(Graphics::m_drawRoundRect, &GraphicsImpl::drawRoundRect),
                ::impl(Graphics::m_drawOval, &GraphicsImpl::drawOval),
                ::impl(Graphics::m_fillRect, &GraphicsImpl::fillRect),
                ::impl(Graphics::m_fillRoundRect, &GraphicsImpl::fillRoundRect),
                ::impl(Graphics::m_clearRect, &GraphicsImpl::clearRect),
                ::impl(Graphics::m_drawString, &GraphicsImpl::drawString),
                ::impl(Graphics::m_drawImage, &GraphicsImpl::drawImage),
                ::impl(Graphics::m_dispose, &GraphicsImpl::dispose)},
    .staticWords = JAVA_STATIC_WORDS,
    .uses = {&java::awt::Graphics::klass, &com::sun::kjava::Graphics::klass,
             &de::kawt::impl::kjava::FontMetricsImpl::klass,
             &de::kawt::impl::kjava::ImageImpl::klass, &java::awt::Color::klass,
             &java::awt::Rectangle::klass, &java::lang::Integer::klass, &java::lang::System::klass},
};

void GraphicsImpl::staticInit() {
  Ref volatile depth = java::lang::System::getProperty(lit("kawt.colordepth"));
  S().colorAvailable = depth != nullptr;
  S().mono = !depth || java::lang::Integer::parseInt(depth) == 1;
}

void GraphicsImpl::init(Ref self) {
  Graphics::init(self);
  Ref volatile keep = self;
  clinit<Color>();
  f(self).mode = Palm::PLAIN;
  f(self).color = Color::S().black;
  f(self).fontMetrics = FontMetricsImpl::defaultMetrics();
  f(keep).clipWidth = 160;
  f(keep).clipHeight = 160;
}

// Every drawing call is clipped by the host to this graphics' own clip. An empty clip is
// passed as empty: the host reads a negative size as extending left or up.
static GraphicsImpl::Fields& region(Ref self) {
  auto& g = GraphicsImpl::f(nn(self));
  Palm::setDrawRegion(g.clipX, g.clipY, std::max(g.clipWidth, 0), std::max(g.clipHeight, 0));
  return g;
}

Ref GraphicsImpl::create(Ref self) {
  Ref volatile copy = jnew<GraphicsImpl>();
  f(copy) = f(self);
  return copy;
}

void GraphicsImpl::translate(Ref self, jint x, jint y) {
  f(nn(self)).translateX += x;
  f(self).translateY += y;
}

// Sizes may end zero or negative: such a clip draws nothing.
void GraphicsImpl::clipRect(Ref self, jint x, jint y, jint w, jint h) {
  auto& g = f(nn(self));
  jint sx = x + g.translateX;
  jint sy = y + g.translateY;
  if (sx > g.clipX) {
    g.clipWidth -= sx - g.clipX;
    g.clipX = sx;
  }
  if (sy > g.clipY) {
    g.clipHeight -= sy - g.clipY;
    g.clipY = sy;
  }
  if (sx + w < g.clipX + g.clipWidth) g.clipWidth = sx + w - g.clipX;
  if (sy + h < g.clipY + g.clipHeight) g.clipHeight = sy + h - g.clipY;
}

void GraphicsImpl::setClip(Ref self, jint x, jint y, jint w, jint h) {
  auto& g = f(nn(self));
  g.clipX = x + g.translateX;
  g.clipY = y + g.translateY;
  g.clipWidth = w;
  g.clipHeight = h;
}

Ref GraphicsImpl::getClipBounds(Ref self) {
  auto& g = f(nn(self));
  return jnew<java::awt::Rectangle>(g.clipX - g.translateX, g.clipY - g.translateY, g.clipWidth,
                                    g.clipHeight);
}

Ref GraphicsImpl::getClipBoundsInto(Ref self, Ref r) {
  auto& g = f(nn(self));
  java::awt::Rectangle::setBounds(r, g.clipX - g.translateX, g.clipY - g.translateY, g.clipWidth,
                                  g.clipHeight);
  return r;
}

// Touching edges count as overlap.
jbool GraphicsImpl::hitClip(Ref self, jint x, jint y, jint w, jint h) {
  auto& g = f(nn(self));
  jint sx = x + g.translateX;
  jint sy = y + g.translateY;
  return !(g.clipX + g.clipWidth < sx || g.clipX > sx + w || g.clipY + g.clipHeight < sy ||
           g.clipY > sy + h);
}

// Monochrome: light colours erase, middle ones are gray, dark ones black.
void GraphicsImpl::setColor(Ref self, Ref c) {
  auto& g = f(nn(self));
  g.color = c;
  if (g.xorMode) return;
  jint rgb = Color::getRGB(c);
  if (S().mono) {
    jint sum = ((rgb >> 16) & 0xFF) + ((rgb >> 8) & 0xFF) + (rgb & 0xFF);
    g.mode = sum > 512 ? Palm::ERASE : sum > 256 ? Palm::GRAY : Palm::PLAIN;
  } else {
    g.mode = (rgb << 8) + Palm::COLOR;
  }
}

Ref GraphicsImpl::getColor(Ref self) { return f(nn(self)).color; }

void GraphicsImpl::setXORMode(Ref self, Ref) {
  f(nn(self)).xorMode = 1;
  f(self).mode = Palm::INVERT;
}

void GraphicsImpl::setPaintMode(Ref self) {
  f(nn(self)).xorMode = 0;
  setColor(self, f(self).color);
}

void GraphicsImpl::setFont(Ref self, Ref font) {
  Ref volatile keep = self;
  Ref metrics = jnew<FontMetricsImpl>(font);
  f(keep).fontMetrics = metrics;
}

Ref GraphicsImpl::getFont(Ref self) {
  return java::awt::FontMetrics::getFont(f(nn(self)).fontMetrics);
}

Ref GraphicsImpl::getFontMetrics(Ref self) { return f(nn(self)).fontMetrics; }

Ref GraphicsImpl::getFontMetricsOf(Ref, Ref font) { return jnew<FontMetricsImpl>(font); }

void GraphicsImpl::drawLine(Ref self, jint x1, jint y1, jint x2, jint y2) {
  auto& g = region(self);
  Palm::drawLine(x1 + g.translateX, y1 + g.translateY, x2 + g.translateX, y2 + g.translateY,
                 g.mode);
}

void GraphicsImpl::drawPolyline(Ref self, Ref xs, Ref ys, jint n) {
  check_bounds(xs, 0, n);
  check_bounds(ys, 0, n);
  for (jint i = 0; i + 1 < n; i++) {
    const jint* x = elements<jint>(xs);
    const jint* y = elements<jint>(ys);
    drawLine(self, x[i], y[i], x[i + 1], y[i + 1]);
  }
}

// The palm border lies just outside its rectangle.
void GraphicsImpl::drawRect(Ref self, jint x, jint y, jint w, jint h) {
  auto& g = region(self);
  Palm::drawBorder(x + g.translateX + 1, y + g.translateY + 1, w - 1, h - 1, g.mode, 1);
}

void GraphicsImpl::drawRoundRect(Ref self, jint x, jint y, jint w, jint h, jint aw, jint ah) {
  auto& g = region(self);
  jint r = std::min((aw + ah) / 2, 4095);
  Palm::drawBorder(x + g.translateX + 1, y + g.translateY + 1, w - 1, h - 1, g.mode, (r << 8) | 1);
}

void GraphicsImpl::drawOval(Ref self, jint x, jint y, jint w, jint h) {
  jint r = std::min(w, h) / 2;
  drawRoundRect(self, x, y, w, h, r, r);
}

void GraphicsImpl::fillRect(Ref self, jint x, jint y, jint w, jint h) {
  auto& g = region(self);
  Palm::drawRectangle(x + g.translateX, y + g.translateY, w, h, g.mode, 0);
}

void GraphicsImpl::fillRoundRect(Ref self, jint x, jint y, jint w, jint h, jint aw, jint ah) {
  auto& g = region(self);
  Palm::drawRectangle(x + g.translateX, y + g.translateY, w, h, g.mode, (aw + ah) / 2);
}

// Erases whatever the colour.
void GraphicsImpl::clearRect(Ref self, jint x, jint y, jint w, jint h) {
  auto& g = region(self);
  Palm::drawRectangle(x + g.translateX, y + g.translateY, w, h, Palm::ERASE, 0);
}

// y is the baseline; the palm call takes the top.
void GraphicsImpl::drawString(Ref self, Ref s, jint x, jint y) {
  auto& g = region(self);
  Palm::drawString(s, x + g.translateX, y + g.translateY - FontMetricsImpl::ASCENT, g.mode);
}

jbool GraphicsImpl::drawImage(Ref self, Ref img, jint x, jint y, Ref) {
  auto& g = region(self);
  Palm::drawBitmap(x + g.translateX, y + g.translateY, ImageImpl::f(cast<ImageImpl>(img)).bitmap);
  return 1;
}

void GraphicsImpl::dispose(Ref) {}

}  // namespace de::kawt::impl::kjava
