// java/awt/Container
#include "java/awt/Container.h"

#include "java/awt/Color.h"
#include "java/awt/Dimension.h"
#include "java/awt/FlowLayout.h"
#include "java/awt/Graphics.h"
#include "java/awt/Insets.h"
#include "java/awt/LayoutManager.h"
#include "java/awt/Rectangle.h"
#include "java/lang/ArrayIndexOutOfBoundsException.h"
#include "java/lang/System.h"

namespace java::awt {

ClassDecl Container::klass = {
    .name = "java/awt/Container",
    .super = &Component::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(component), JAVA_REF(layoutMgr)},
    .defaultCtor = &Container::init,
    .methods = {impl(m_getInsets, &Container::getInsets), impl(m_addImpl, &Container::addImpl),
                impl(m_remove, &Container::remove),
                impl(m_clipToViewport, &Container::clipToViewport),
                impl(Component::m_getPreferredSize, &Container::getPreferredSize),
                impl(Component::m_getComponentAt, &Container::getComponentAt),
                impl(Component::m_addNotify, &Container::addNotify),
                impl(Component::m_validate, &Container::validate),
                impl(Component::m_paintAll, &Container::paintAll),
                impl(Component::m_update, &Container::update),
                impl(Component::m_isFocusTraversable, &Container::isFocusTraversable)},
    .uses = {&java::awt::Component::klass, &java::awt::Color::klass, &java::awt::Dimension::klass,
             &java::awt::FlowLayout::klass, &java::awt::Graphics::klass, &java::awt::Insets::klass,
             &java::awt::LayoutManager::klass, &java::awt::Rectangle::klass,
             &java::lang::ArrayIndexOutOfBoundsException::klass, &java::lang::System::klass},
};

static constexpr jint kGrowth = 5;

static Ref new_component_array(jint n) {
  return rt_new_ref_array(rt_class_index_by_name("[Ljava/lang/Object;"),
                          java::lang::Object::klass.index, n);
}

static Ref* children(Ref self) { return elements<Ref>(Container::f(self).component); }

void Container::init(Ref self) {
  Component::init(self);
  Ref volatile keep = self;
  Ref array = new_component_array(kGrowth);
  f(keep).component = array;
  f(keep).layoutMgr = FlowLayout::shared();
}

jint Container::getComponentCount(Ref self) { return f(nn(self)).ncomponents; }

Ref Container::getComponent(Ref self, jint n) {
  if (n < 0 || n >= f(nn(self)).ncomponents)
    jthrow(jnew<java::lang::ArrayIndexOutOfBoundsException>());
  return children(self)[n];
}

jint Container::getComponentIndex(Ref self, Ref comp) {
  for (jint i = 0; i < f(nn(self)).ncomponents; i++)
    if (children(self)[i] == comp) return i;
  return -1;
}

Ref Container::add(Ref self, Ref comp) {
  vcall(m_addImpl, nn(self), comp, nullptr, -1);
  return comp;
}

void Container::add(Ref self, Ref comp, Ref constraints) {
  vcall(m_addImpl, nn(self), comp, constraints, -1);
}

// A component that already has a parent leaves it first.
void Container::addImpl(Ref self, Ref comp, Ref constraints, jint index) {
  auto& c = Component::f(nn(comp));
  if (c.parent) removeComponent(c.parent, comp);
  jint n = f(self).ncomponents;
  if (index < 0 || index > n) index = n;
  if (n == alen(f(self).component)) {
    Ref volatile keep = self;
    Ref grown = new_component_array(n + kGrowth);
    java::lang::System::arraycopy(f(keep).component, 0, grown, 0, n);
    f(keep).component = grown;
  }
  Ref* a = children(self);
  for (jint i = n; i > index; i--) a[i] = a[i - 1];
  a[index] = comp;
  f(self).ncomponents = n + 1;
  Component::f(comp).parent = self;
  if (f(self).layoutMgr)
    icall(LayoutManager::m_addLayoutComponent, f(self).layoutMgr, constraints, comp);
  vcall(Component::m_addNotify, comp);
  vcall(Component::m_invalidate, self);
}

void Container::remove(Ref self, jint index) {
  Ref comp = getComponent(self, index);
  jint n = --f(self).ncomponents;
  Ref* a = children(self);
  for (jint i = index; i < n; i++) a[i] = a[i + 1];
  a[n] = nullptr;
  Component::f(comp).parent = nullptr;
  if (f(self).layoutMgr) icall(LayoutManager::m_removeLayoutComponent, f(self).layoutMgr, comp);
  vcall(Component::m_invalidate, self);
}

void Container::removeComponent(Ref self, Ref comp) {
  jint i = getComponentIndex(self, comp);
  if (i >= 0) vcall(m_remove, self, i);
}

void Container::removeAll(Ref self) {
  while (f(nn(self)).ncomponents > 0) vcall(m_remove, self, f(self).ncomponents - 1);
}

Ref Container::getLayout(Ref self) { return f(nn(self)).layoutMgr; }

void Container::setLayout(Ref self, Ref mgr) {
  f(nn(self)).layoutMgr = mgr;
  vcall(Component::m_invalidate, self);
}

Ref Container::getInsets(Ref) { return jnew<Insets>(0, 0, 0, 0); }

Ref Container::getPreferredSize(Ref self) {
  if (!f(nn(self)).layoutMgr) return Component::getPreferredSize(self);
  return icall(LayoutManager::m_preferredLayoutSize, f(self).layoutMgr, self);
}

// The last added child is on top.
Ref Container::getComponentAt(Ref self, jint x, jint y) {
  if (!Component::f(nn(self)).visible || !vcall(Component::m_contains, self, x, y)) return nullptr;
  for (jint i = f(self).ncomponents - 1; i >= 0; i--) {
    Ref child = children(self)[i];
    Ref hit = vcall(Component::m_getComponentAt, child, x - Component::f(child).x,
                    y - Component::f(child).y);
    if (hit) return hit;
  }
  return self;
}

void Container::addNotify(Ref self) {
  Component::addNotify(self);
  for (jint i = 0; i < f(self).ncomponents; i++) vcall(Component::m_addNotify, children(self)[i]);
}

void Container::validate(Ref self) {
  if (f(nn(self)).layoutMgr) icall(LayoutManager::m_layoutContainer, f(self).layoutMgr, self);
  for (jint i = 0; i < f(self).ncomponents; i++) vcall(Component::m_validate, children(self)[i]);
  Component::f(self).valid = 1;
}

void Container::validateAndRepaint(Ref self) {
  if (Component::f(nn(self)).valid) return;
  vcall(Component::m_validate, self);
  Component::repaint(self);
}

// A child whose background differs from ours is cleared first (update), the others are
// painted over ours.
void Container::paintAll(Ref self, Ref g) {
  auto& me = Component::f(nn(self));
  if (!me.visible || !g) return;
  if (!me.valid) vcall(Component::m_validate, self);
  vcall(Graphics::m_setColor, g, Component::f(self).foreground);
  vcall(Component::m_paint, self, vcall(Graphics::m_create, g));
  for (jint i = 0; i < f(self).ncomponents; i++) {
    Ref child = children(self)[i];
    auto& c = Component::f(child);
    if (!c.visible || !vcall(Graphics::m_hitClip, g, c.x, c.y, c.width, c.height)) continue;
    Ref volatile g2 = Graphics::create(g, c.x, c.y, c.width, c.height);
    if (vcall(java::lang::Object::m_equals, Component::f(child).background,
              Component::f(self).background)) {
      vcall(Component::m_paintAll, child, g2);
    } else {
      vcall(Component::m_update, child, g2);
    }
  }
}

// A visible child that covers the whole clip repaints it alone.
void Container::update(Ref self, Ref g) {
  Ref volatile clip = vcall(Graphics::m_getClipBounds, nn(g));
  auto& r = Rectangle::f(clip);
  for (jint i = f(nn(self)).ncomponents - 1; i >= 0; i--) {
    Ref child = children(self)[i];
    auto& c = Component::f(child);
    if (c.visible && c.x <= r.x && c.y <= r.y && c.x + c.width >= r.x + r.width &&
        c.y + c.height >= r.y + r.height) {
      vcall(Graphics::m_translate, g, c.x, c.y);
      vcall(Component::m_update, child, g);
      return;
    }
  }
  vcall(Graphics::m_setColor, g, Component::f(self).background);
  vcall(Graphics::m_fillRect, g, r.x, r.y, r.width, r.height);
  vcall(Component::m_paintAll, self, g);
}

jbool Container::isFocusTraversable(Ref) { return 0; }

void Container::clipToViewport(Ref, Ref) {}

}  // namespace java::awt
