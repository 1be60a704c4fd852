// java/awt/ScrollPane
#include "java/awt/ScrollPane.h"

#include "java/awt/Color.h"
#include "java/awt/Dimension.h"
#include "java/awt/Graphics.h"
#include "java/awt/Insets.h"
#include "java/awt/Point.h"
#include "java/awt/Rectangle.h"
#include "java/awt/ScrollManager.h"

namespace java::awt {

ClassDecl ScrollPane::klass = {
    .name = "java/awt/ScrollPane",
    .super = &Container::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(scroll)},
    .defaultCtor = &ScrollPane::init,
    .methods = {impl(Component::m_getPreferredSize, &ScrollPane::getPreferredSize),
                impl(Component::m_validate, &ScrollPane::validate),
                impl(Component::m_paintAll, &ScrollPane::paintAll),
                impl(Component::m_update, &ScrollPane::update),
                impl(Component::m_getComponentAt, &ScrollPane::getComponentAt),
                impl(Container::m_clipToViewport, &ScrollPane::clipToViewport)},
    .uses = {&java::awt::Container::klass, &java::awt::Color::klass, &java::awt::Dimension::klass,
             &java::awt::Graphics::klass, &java::awt::Insets::klass, &java::awt::Point::klass,
             &java::awt::Rectangle::klass, &java::awt::ScrollManager::klass},
};

// The pane places its child itself.
void ScrollPane::init(Ref self) {
  Container::init(self);
  Container::f(self).layoutMgr = nullptr;
  f(self).scroll = jnew<ScrollManager>(self, BORDER);
}

static Ref child(Ref self) {
  return Container::f(self).ncomponents > 0 ? Container::getComponent(self, 0) : nullptr;
}

// The child's place: the viewport's origin less the scroll offsets.
static void place_child(Ref self, Ref c) {
  Ref scroll = ScrollPane::f(self).scroll;
  auto& in = Insets::f(ScrollManager::f(scroll).insets);
  Component::f(c).x = in.left - ScrollManager::getHOffset(scroll);
  Component::f(c).y = in.top - ScrollManager::getVOffset(scroll);
}

Ref ScrollPane::getPreferredSize(Ref self) { return jnew<Dimension>(50, 50); }

// The child is at least as large as the viewport; the bars keep the offsets within it.
void ScrollPane::validate(Ref self) {
  Ref c = child(self);
  Ref scroll = f(self).scroll;
  if (c) {
    Ref size = vcall(Component::m_getPreferredSize, c);
    jint w = Dimension::f(size).width, h = Dimension::f(size).height;
    ScrollManager::setContentSize(scroll, w, h);
    auto& m = ScrollManager::f(scroll);
    if (w < m.viewWidth) w = m.viewWidth;
    if (h < m.viewHeight) h = m.viewHeight;
    Component::f(c).width = w;
    Component::f(c).height = h;
    place_child(self, c);
    vcall(Component::m_validate, c);
  }
  Component::f(self).valid = 1;
}

void ScrollPane::paintAll(Ref self, Ref g) {
  if (!Component::f(self).visible || !g) return;
  if (!Component::f(self).valid) vcall(Component::m_validate, self);
  vcall(Graphics::m_setColor, g, Component::f(self).foreground);
  ScrollManager::paint(f(self).scroll, g, BORDER);
  Ref c = child(self);
  if (!c || !Component::f(c).visible) return;
  place_child(self, c);
  vcall(Graphics::m_clipRect, g, 0, 0, Component::f(c).width, Component::f(c).height);
  bool clear = !vcall(java::lang::Object::m_equals, Component::f(c).background,
                      Component::f(self).background);
  vcall(clear ? Component::m_update : Component::m_paintAll, c, g);
}

void ScrollPane::update(Ref self, Ref g) {
  Ref r = vcall(Graphics::m_getClipBoundsInto, g, ScrollManager::f(f(self).scroll).clip);
  auto& clip = Rectangle::f(r);
  Ref ink = vcall(Graphics::m_getColor, g);
  vcall(Graphics::m_setColor, g, Component::f(self).background);
  vcall(Graphics::m_fillRect, g, clip.x, clip.y, clip.width, clip.height);
  vcall(Graphics::m_setColor, g, ink);
  paintAll(self, g);
}

Ref ScrollPane::getComponentAt(Ref self, jint x, jint y) {
  Ref hit = ScrollManager::hitTest(f(self).scroll, x, y);
  if (hit != self) return hit;
  Ref c = child(self);
  if (c) {
    Ref inner = vcall(Component::m_getComponentAt, c, x - Component::f(c).x, y - Component::f(c).y);
    if (inner) return inner;
  }
  return self;
}

// The child's position already holds the offsets; only the clip is the pane's.
void ScrollPane::clipToViewport(Ref self, Ref g) {
  auto& m = ScrollManager::f(f(self).scroll);
  auto& in = Insets::f(m.insets);
  vcall(Graphics::m_clipRect, g, in.left, in.top, m.viewWidth, m.viewHeight);
}

Ref ScrollPane::getScrollPosition(Ref self) {
  Ref scroll = f(nn(self)).scroll;
  return jnew<Point>(ScrollManager::getHOffset(scroll), ScrollManager::getVOffset(scroll));
}

void ScrollPane::setScrollPosition(Ref self, jint x, jint y) {
  ScrollManager::scrollTo(f(nn(self)).scroll, x, y);
  if (Ref c = child(self)) place_child(self, c);
  Component::repaint(self);
}

}  // namespace java::awt
