// java/awt/Scrollbar
#include "java/awt/Scrollbar.h"

#include "de/kawt/impl/Laf.h"
#include "java/awt/Container.h"
#include "java/awt/Dimension.h"
#include "java/awt/Graphics.h"
#include "java/awt/Toolkit.h"
#include "java/awt/event/AdjustmentEvent.h"
#include "java/awt/event/AdjustmentListener.h"
#include "java/awt/event/MouseEvent.h"

namespace java::awt {

static constexpr jint kThickness = 7;         // across the bar, as it prefers to be
static constexpr jint kPreferredLength = 12;  // along it: its two arrows
// A press this near an end (of the arrow's 6 pixels) hits the arrow.
static constexpr jint kArrowReach = 4;
// A dragged thumb's centre goes where the pen is, measured from this far along the bar.
static constexpr jint kDragOrigin = 7;

using de::kawt::impl::Laf;
using event::AdjustmentEvent;
using event::AdjustmentListener;
using event::MouseEvent;

ClassDecl Scrollbar::klass = {
    .name = "java/awt/Scrollbar",
    .super = &Component::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(adjustmentListener)},
    .defaultCtor = static_cast<void (*)(Ref)>(&Scrollbar::init),
    .methods = {impl(Component::m_getPreferredSize, &Scrollbar::getPreferredSize),
                impl(Component::m_paint, &Scrollbar::paint),
                impl(Component::m_dispatchMouseEvent, &Scrollbar::dispatchMouseEvent)},
    .uses = {&java::awt::Component::klass, &de::kawt::impl::Laf::klass,
             &java::awt::Container::klass, &java::awt::Dimension::klass,
             &java::awt::Graphics::klass, &java::awt::Toolkit::klass,
             &java::awt::event::AdjustmentEvent::klass,
             &java::awt::event::AdjustmentListener::klass, &java::awt::event::MouseEvent::klass},
};

void Scrollbar::init(Ref self) { init(self, VERTICAL, 0, 10, 0, 100); }
void Scrollbar::init(Ref self, jint orientation) { init(self, orientation, 0, 10, 0, 100); }

void Scrollbar::init(Ref self, jint orientation, jint value, jint visible, jint minimum,
                     jint maximum) {
  Component::init(self);
  f(self).orientation = orientation;
  f(self).value = value;
  f(self).visible = visible;
  f(self).minimum = minimum;
  f(self).maximum = maximum;
  f(self).unitIncrement = 1;
}

jint Scrollbar::getOrientation(Ref self) { return f(nn(self)).orientation; }
jint Scrollbar::getValue(Ref self) { return f(nn(self)).value; }
jint Scrollbar::getMinimum(Ref self) { return f(nn(self)).minimum; }
jint Scrollbar::getMaximum(Ref self) { return f(nn(self)).maximum; }
jint Scrollbar::getVisibleAmount(Ref self) { return f(nn(self)).visible; }
jint Scrollbar::getUnitIncrement(Ref self) { return f(nn(self)).unitIncrement; }
jint Scrollbar::getBlockIncrement(Ref self) { return f(nn(self)).visible; }
void Scrollbar::setUnitIncrement(Ref self, jint increment) {
  f(nn(self)).unitIncrement = increment;
}

// minimum..maximum - visible; a range smaller than the visible amount allows only minimum.
static jint clamp(Ref self, jint value) {
  auto& s = Scrollbar::f(self);
  jint top = s.maximum - s.visible;
  if (value > top) value = top;
  if (value < s.minimum) value = s.minimum;
  return value;
}

void Scrollbar::setValue(Ref self, jint value) {
  value = clamp(nn(self), value);
  if (value == f(self).value) return;
  f(self).value = value;
  Component::repaint(self);
}

void Scrollbar::setMaximum(Ref self, jint maximum) {
  f(nn(self)).maximum = maximum;
  Component::repaint(self);
}

void Scrollbar::setVisibleAmount(Ref self, jint visible) {
  f(nn(self)).visible = visible;
  Component::repaint(self);
}

void Scrollbar::setValues(Ref self, jint value, jint visible, jint minimum, jint maximum) {
  auto& s = f(nn(self));
  s.visible = visible;
  s.minimum = minimum;
  s.maximum = maximum;
  s.value = clamp(self, value);
  Component::repaint(self);
}

void Scrollbar::addAdjustmentListener(Ref self, Ref l) {
  Component::checkSingleListener(f(nn(self)).adjustmentListener);
  f(self).adjustmentListener = l;
}

void Scrollbar::removeAdjustmentListener(Ref self, Ref l) {
  if (f(nn(self)).adjustmentListener == l) f(self).adjustmentListener = nullptr;
}

Ref Scrollbar::getPreferredSize(Ref self) {
  return f(self).orientation == VERTICAL ? jnew<Dimension>(kThickness, kPreferredLength)
                                         : jnew<Dimension>(kPreferredLength, kThickness);
}

/* ---------------------------------------------------------------------------
 * Geometry: the arrows at both ends, the track between them, the thumb on it.
 * ------------------------------------------------------------------------- */

struct Geometry {
  jint length;  // along the bar
  jint track;
  jint thumbPos;
  jint thumbSize;
};

// An empty range or a bar too short for its arrows shows the thumb over the whole track.
static Geometry geometry(Ref self) {
  auto& s = Scrollbar::f(self);
  auto& c = Component::f(self);
  jint arrow = Laf::getArrowSize(Toolkit::getLaf());
  Geometry g;
  g.length = s.orientation == Scrollbar::VERTICAL ? c.height : c.width;
  g.track = g.length - 2 * arrow;
  jint range = s.maximum - s.minimum;
  if (range > 0) {
    g.thumbSize = s.visible * g.track / range;
    g.thumbPos = (s.value - s.minimum) * g.track / range + arrow;
  } else {
    g.thumbSize = g.track;
    g.thumbPos = arrow;
  }
  return g;
}

// LafImpl draws over what is there, so the bar is cleared first.
void Scrollbar::paint(Ref self, Ref g) {
  auto& c = Component::f(self);
  Geometry geo = geometry(self);
  Ref ink = vcall(Graphics::m_getColor, g);
  vcall(Graphics::m_setColor, g, c.background);
  vcall(Graphics::m_fillRect, g, 0, 0, c.width, c.height);
  vcall(Graphics::m_setColor, g, ink);
  vcall(Laf::m_paintScrollbar, Toolkit::getLaf(), g, c.background, c.width, c.height,
        f(self).orientation == VERTICAL, geo.thumbPos, geo.thumbSize, f(self).pressedPart,
        c.hasFocus);
}

// The bar of a scrolling component (a List, a ScrollPane) is not one of its parent's
// children, and lies outside the viewport that clips them: it is drawn through the parent's
// graphics, moved and clipped to the bar.
static void redraw(Ref self) {
  Ref parent = Component::f(self).parent;
  if (!parent ||
      (instanceof <Container>(parent) && Container::getComponentIndex(parent, self) >= 0)) {
    if (Ref g = Component::getGraphics(self)) Scrollbar::paint(self, g);
    return;
  }
  Ref g = Component::getGraphics(parent);
  if (!g) return;
  auto& c = Component::f(self);
  vcall(Graphics::m_translate, g, c.x, c.y);
  vcall(Graphics::m_clipRect, g, 0, 0, c.width, c.height);
  Scrollbar::paint(self, g);
}

// Stores the clamped value; on a change the bar is drawn at once and the listener told.
static void adjust(Ref self, jint value, jint type) {
  value = clamp(self, value);
  if (value == Scrollbar::f(self).value) return;
  Scrollbar::f(self).value = value;
  redraw(self);
  if (Ref l = Scrollbar::f(self).adjustmentListener) {
    Ref volatile e = jnew<AdjustmentEvent>(self, AdjustmentEvent::ADJUSTMENT_VALUE_CHANGED, type,
                                           Scrollbar::f(self).value);
    icall(AdjustmentListener::m_adjustmentValueChanged, l, e);
  }
}

// The listeners get the event as on any component; a press does not activate.
static void to_listeners(Ref self, Ref e) {
  jlong mask = Component::f(self).eventMask;
  jlong bit = AWTEvent::getID(e) == MouseEvent::MOUSE_DRAGGED ? Component::MOUSE_MOTION_EVENT_MASK
                                                              : Component::MOUSE_EVENT_MASK;
  if (mask & bit) vcall(Component::m_processEvent, self, e);
}

void Scrollbar::dispatchMouseEvent(Ref self, Ref e) {
  to_listeners(self, e);
  if (AWTEvent::isConsumed(e)) return;
  auto& s = f(self);
  jint id = AWTEvent::getID(e);
  jint p = s.orientation == VERTICAL ? MouseEvent::getY(e) : MouseEvent::getX(e);
  Geometry geo = geometry(self);
  if (id == MouseEvent::MOUSE_RELEASED) {
    s.dragging = 0;
    s.pressedPart = 0;
    Component::repaint(self);
    return;
  }
  if (id != MouseEvent::MOUSE_PRESSED && id != MouseEvent::MOUSE_DRAGGED) return;
  bool onThumb = p >= geo.thumbPos && p < geo.thumbPos + geo.thumbSize;
  if (id == MouseEvent::MOUSE_PRESSED && onThumb) {
    s.dragging = 1;
    return;
  }
  if (s.dragging) {
    if (geo.track <= 0) return;  // no track to drag along
    jint v =
        s.minimum + (p - kDragOrigin - geo.thumbSize / 2) * (s.maximum - s.minimum) / geo.track;
    adjust(self, v, AdjustmentEvent::TRACK);
    return;
  }
  jint part = 0, type = 0, v = s.value;
  if (p < geo.thumbPos) {
    bool arrow = p <= kArrowReach;
    part = arrow ? AdjustmentEvent::UNIT_DECREMENT : 0;
    type = arrow ? AdjustmentEvent::UNIT_DECREMENT : AdjustmentEvent::BLOCK_DECREMENT;
    v -= arrow ? s.unitIncrement : s.visible;
  } else if (p >= geo.thumbPos + geo.thumbSize) {
    bool arrow = p >= geo.length - kArrowReach;
    part = arrow ? AdjustmentEvent::UNIT_INCREMENT : 0;
    type = arrow ? AdjustmentEvent::UNIT_INCREMENT : AdjustmentEvent::BLOCK_INCREMENT;
    v += arrow ? s.unitIncrement : s.visible;
  }
  bool partChanged = part != s.pressedPart;  // the arrow held down shows inverted
  s.pressedPart = part;
  jint before = s.value;
  if (type) adjust(self, v, type);
  if (partChanged && f(self).value == before) redraw(self);
}

}  // namespace java::awt
