// java/awt/ScrollManager
#include "java/awt/ScrollManager.h"

#include "de/kawt/impl/Laf.h"
#include "java/awt/Component.h"
#include "java/awt/FontMetrics.h"
#include "java/awt/Graphics.h"
#include "java/awt/Insets.h"
#include "java/awt/Rectangle.h"
#include "java/awt/Scrollbar.h"
#include "java/awt/Toolkit.h"
#include "java/awt/event/AdjustmentListener.h"

namespace java::awt {

using de::kawt::impl::Laf;
using event::AdjustmentListener;

ClassDecl ScrollManager::klass = {
    .name = "java/awt/ScrollManager",
    .super = &java::lang::Object::klass,
    .interfaces = {&AdjustmentListener::klass},
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(owner), JAVA_REF(clip), JAVA_REF(insets), JAVA_REF(hbar),
                   JAVA_REF(vbar)},
    .methods = {impl(event::AdjustmentListener::m_adjustmentValueChanged,
                     &ScrollManager::adjustmentValueChanged)},
    .uses = {&java::lang::Object::klass, &de::kawt::impl::Laf::klass, &java::awt::Component::klass,
             &java::awt::FontMetrics::klass, &java::awt::Graphics::klass, &java::awt::Insets::klass,
             &java::awt::Rectangle::klass, &java::awt::Scrollbar::klass, &java::awt::Toolkit::klass,
             &java::awt::event::AdjustmentListener::klass},
};

static constexpr jint BAR = 7;  // a bar's preferred thickness

void ScrollManager::init(Ref self, Ref owner, jint borderStyle) {
  java::lang::Object::init(self);
  f(self).owner = owner;
  f(self).clip = jnew<Rectangle>();
  f(self).insets = vcall(Laf::m_getBorderInsets, Toolkit::getLaf(), borderStyle);
}

/* ---------------------------------------------------------------------------
 * Bars
 * ------------------------------------------------------------------------- */

// A new bar belongs to the owner and reports to this manager.
static Ref new_bar(Ref self, jint orientation) {
  Ref volatile bar = jnew<Scrollbar>(orientation);
  Component::f(bar).parent = ScrollManager::f(self).owner;
  Scrollbar::addAdjustmentListener(bar, self);
  ScrollManager::f(self).barsChanged = 1;
  return bar;
}

// Bounds and range are set in place: the owner repaints its bars with itself.
static void fit_bar(Ref bar, jint x, jint y, jint w, jint h, jint content, jint view, jint unit) {
  auto& c = Component::f(bar);
  c.x = x;
  c.y = y;
  c.width = w;
  c.height = h;
  auto& s = Scrollbar::f(bar);
  s.maximum = content;
  s.visible = view;
  s.unitIncrement = unit;
  jint top = content - view;
  if (s.value > top) s.value = top;
  if (s.value < s.minimum) s.value = s.minimum;
}

// The viewport is the owner less its border, less each bar the content needs; one bar can
// make the other necessary, hence the second pass.
void ScrollManager::setContentSize(Ref self, jint width, jint height) {
  auto& m = f(self);
  auto& o = Component::f(m.owner);
  auto& in = Insets::f(m.insets);
  jint baseW = o.width - in.left - in.right, baseH = o.height - in.top - in.bottom;
  bool needV = false, needH = false;
  for (int pass = 0; pass < 2; pass++) {
    needV = height > baseH - (needH ? BAR : 0);
    needH = width > baseW - (needV ? BAR : 0);
  }
  m.viewWidth = baseW - (needV ? BAR : 0);
  m.viewHeight = baseH - (needH ? BAR : 0);
  jint unit = vcall(FontMetrics::m_getHeight, Toolkit::getDefaultFontMetrics());
  if (needV) {
    if (!m.vbar) m.vbar = new_bar(self, Scrollbar::VERTICAL);
    fit_bar(f(self).vbar, o.width - in.right - BAR, in.top, BAR, baseH, height, m.viewHeight, unit);
  } else if (m.vbar) {
    m.vbar = nullptr;
    m.barsChanged = 1;
  }
  if (needH) {
    if (!f(self).hbar) f(self).hbar = new_bar(self, Scrollbar::HORIZONTAL);
    fit_bar(f(self).hbar, in.left, o.height - in.bottom - BAR, m.viewWidth, BAR, width, m.viewWidth,
            unit);
  } else if (m.hbar) {
    m.hbar = nullptr;
    m.barsChanged = 1;
  }
  o.valid = 0;
}

/* ---------------------------------------------------------------------------
 * Painting and hits
 * ------------------------------------------------------------------------- */

// The bar is painted through g itself, moved and clipped to the bar and then put back, so
// that a paint makes no new Graphics. `saved` holds g's clip.
static void paint_bar(Ref g, Ref bar, Ref saved) {
  auto& c = Component::f(bar);
  auto& r = Rectangle::f(saved);
  vcall(Graphics::m_translate, g, c.x, c.y);
  vcall(Graphics::m_clipRect, g, 0, 0, c.width, c.height);
  vcall(Component::m_paint, bar, g);
  vcall(Graphics::m_translate, g, -c.x, -c.y);
  vcall(Graphics::m_setClip, g, r.x, r.y, r.width, r.height);
}

Ref ScrollManager::paint(Ref self, Ref g, jint borderStyle) {
  auto& m = f(self);
  auto& in = Insets::f(m.insets);
  Ref clip = m.clip;
  vcall(Graphics::m_getClipBoundsInto, g, clip);
  auto& r = Rectangle::f(clip);
  bool inside = r.x >= in.left && r.y >= in.top && r.x + r.width <= in.left + m.viewWidth &&
                r.y + r.height <= in.top + m.viewHeight;
  if (!inside) {
    auto& o = Component::f(m.owner);
    vcall(Laf::m_paintBorder, Toolkit::getLaf(), g, o.background, o.width, o.height, borderStyle);
    if (f(self).vbar) paint_bar(g, f(self).vbar, clip);
    if (f(self).hbar) paint_bar(g, f(self).hbar, clip);
  }
  m.hOffset = getHOffset(self);
  m.vOffset = getVOffset(self);
  m.barsChanged = 0;
  vcall(Graphics::m_clipRect, g, in.left, in.top, m.viewWidth, m.viewHeight);
  vcall(Graphics::m_translate, g, in.left - m.hOffset, in.top - m.vOffset);
  return vcall(Graphics::m_getClipBoundsInto, g, clip);
}

// Bars take the strips right of and below the viewport.
Ref ScrollManager::hitTest(Ref self, jint x, jint y) {
  auto& m = f(self);
  if (!Component::f(m.owner).visible || !vcall(Component::m_contains, m.owner, x, y))
    return nullptr;
  auto& in = Insets::f(m.insets);
  if (m.vbar && x >= in.left + m.viewWidth) return m.vbar;
  if (m.hbar && y >= in.top + m.viewHeight) return m.hbar;
  return m.owner;
}

jint ScrollManager::getHOffset(Ref self) {
  Ref bar = f(self).hbar;
  return bar ? Scrollbar::f(bar).value : 0;
}

jint ScrollManager::getVOffset(Ref self) {
  Ref bar = f(self).vbar;
  return bar ? Scrollbar::f(bar).value : 0;
}

void ScrollManager::scrollTo(Ref self, jint hOffset, jint vOffset) {
  if (Ref bar = f(self).hbar) Scrollbar::setValue(bar, hOffset);
  if (Ref bar = f(self).vbar) Scrollbar::setValue(bar, vOffset);
}

// A bar moved: the content shows at its new offset.
void ScrollManager::adjustmentValueChanged(Ref self, Ref e) { Component::repaint(f(self).owner); }

}  // namespace java::awt
