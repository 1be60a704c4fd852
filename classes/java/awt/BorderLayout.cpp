// java/awt/BorderLayout
#include "java/awt/BorderLayout.h"

#include <algorithm>

#include "java/awt/Container.h"
#include "java/awt/Dimension.h"
#include "java/awt/Insets.h"
#include "java/awt/LayoutManager.h"
#include "java/lang/String.h"

namespace java::awt {

ClassDecl BorderLayout::klass = {
    .name = "java/awt/BorderLayout",
    .super = &java::lang::Object::klass,
    .interfaces = {&LayoutManager::klass},
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(center), JAVA_REF(south), JAVA_REF(east), JAVA_REF(north),
                   JAVA_REF(west)},
    .defaultCtor = &BorderLayout::init,
    .methods = {impl(LayoutManager::m_addLayoutComponent, &BorderLayout::addLayoutComponent),
                impl(LayoutManager::m_removeLayoutComponent, &BorderLayout::removeLayoutComponent),
                impl(LayoutManager::m_preferredLayoutSize, &BorderLayout::preferredLayoutSize),
                impl(LayoutManager::m_minimumLayoutSize, &BorderLayout::minimumLayoutSize),
                impl(LayoutManager::m_layoutContainer, &BorderLayout::layoutContainer)},
    .uses = {&java::lang::Object::klass, &java::awt::Container::klass, &java::awt::Dimension::klass,
             &java::awt::Insets::klass, &java::awt::LayoutManager::klass,
             &java::lang::String::klass},
};

void BorderLayout::init(Ref self) { java::lang::Object::init(self); }

// Any other name (or none) leaves the component unplaced.
void BorderLayout::addLayoutComponent(Ref self, Ref name, Ref comp) {
  if (!name || ! instanceof <java::lang::String>(name)) return;
  auto is = [&](const char* region) { return java::lang::String::equals(name, lit(region)); };
  auto& b = f(nn(self));
  if (is("South")) {
    b.south = comp;
  } else if (is("East")) {
    b.east = comp;
  } else if (is("North")) {
    b.north = comp;
  } else if (is("West")) {
    b.west = comp;
  } else if (is("Center")) {
    b.center = comp;
  }
}

void BorderLayout::removeLayoutComponent(Ref self, Ref comp) {
  auto& b = f(nn(self));
  if (b.center == comp) b.center = nullptr;
  if (b.south == comp) b.south = nullptr;
  if (b.east == comp) b.east = nullptr;
  if (b.north == comp) b.north = nullptr;
  if (b.west == comp) b.west = nullptr;
}

static Ref preferred(Ref c) { return vcall(Component::m_getPreferredSize, c); }

Ref BorderLayout::preferredLayoutSize(Ref self, Ref target) {
  auto& b = f(nn(self));
  jint width = 0;
  jint height = 0;
  for (Ref c : {b.west, b.east}) {
    if (!c) continue;
    Ref volatile d = preferred(c);
    width += Dimension::f(d).width + 1;
    height = std::max(height, Dimension::f(d).height);
  }
  if (b.center) {
    Ref volatile d = preferred(b.center);
    width += Dimension::f(d).width;
    height = std::max(height, Dimension::f(d).height);
  }
  for (Ref c : {b.north, b.south}) {
    if (!c) continue;
    Ref volatile d = preferred(c);
    height += Dimension::f(d).height + 1;
    width = std::max(width, Dimension::f(d).width);
  }
  Ref volatile insets = vcall(Container::m_getInsets, target);
  auto& i = Insets::f(insets);
  return jnew<Dimension>(width + i.left + i.right, height + i.top + i.bottom);
}

Ref BorderLayout::minimumLayoutSize(Ref self, Ref target) {
  return preferredLayoutSize(self, target);
}

// Present regions are 1 pixel apart; an absent one counts -1, which cancels its gap.
void BorderLayout::layoutContainer(Ref self, Ref target) {
  auto& b = f(nn(self));
  Ref volatile insets = vcall(Container::m_getInsets, target);
  auto& i = Insets::f(insets);
  auto& t = Component::f(target);
  jint left = i.left;
  jint top = i.top;
  jint w = t.width - i.left - i.right;
  jint h = t.height - i.top - i.bottom;
  jint hn = -1, hs = -1, ww = -1, we = -1;
  if (b.north) {
    Ref volatile d = preferred(b.north);
    hn = Dimension::f(d).height;
    vcall(Component::m_setBounds, b.north, left, top, w, hn);
  }
  if (b.south) {
    Ref volatile d = preferred(b.south);
    hs = Dimension::f(d).height;
    vcall(Component::m_setBounds, b.south, left, t.height - hs - i.bottom, w, hs);
  }
  if (b.west) {
    Ref volatile d = preferred(b.west);
    ww = Dimension::f(d).width;
    vcall(Component::m_setBounds, b.west, left, top + hn + 1, ww, h - hn - hs - 2);
  }
  if (b.east) {
    Ref volatile d = preferred(b.east);
    we = Dimension::f(d).width;
    vcall(Component::m_setBounds, b.east, w - we, top + hn + 1, we, h - hn - hs - 2);
  }
  if (b.center)
    vcall(Component::m_setBounds, b.center, left + ww + 1, top + hn + 1, w - we - ww - 2,
          h - hn - hs - 2);
}

}  // namespace java::awt
