// java/awt/FlowLayout
#include "java/awt/FlowLayout.h"

#include <algorithm>

#include "java/awt/Container.h"
#include "java/awt/Dimension.h"
#include "java/awt/Insets.h"
#include "java/awt/LayoutManager.h"

namespace java::awt {

ClassDecl FlowLayout::klass = {
    .name = "java/awt/FlowLayout",
    .super = &java::lang::Object::klass,
    .interfaces = {&LayoutManager::klass},
    .instanceSize = JAVA_INSTANCE_SIZE,
    .classInit = &FlowLayout::staticInit,
    .defaultCtor = &FlowLayout::init,
    .methods = {impl(LayoutManager::m_addLayoutComponent, &FlowLayout::addLayoutComponent),
                impl(LayoutManager::m_removeLayoutComponent, &FlowLayout::removeLayoutComponent),
                impl(LayoutManager::m_preferredLayoutSize, &FlowLayout::preferredLayoutSize),
                impl(LayoutManager::m_minimumLayoutSize, &FlowLayout::minimumLayoutSize),
                impl(LayoutManager::m_layoutContainer, &FlowLayout::layoutContainer)},
    .staticWords = JAVA_STATIC_WORDS,
    .uses = {&java::lang::Object::klass, &java::awt::Container::klass, &java::awt::Dimension::klass,
             &java::awt::Insets::klass, &java::awt::LayoutManager::klass},
};

static constexpr jint kGap = 2;

void FlowLayout::staticInit() { S().shared = jnew<FlowLayout>(); }

void FlowLayout::init(Ref self) { java::lang::Object::init(self); }

Ref FlowLayout::shared() {
  clinit<FlowLayout>();
  return S().shared;
}

void FlowLayout::addLayoutComponent(Ref, Ref, Ref) {}

void FlowLayout::removeLayoutComponent(Ref, Ref) {}

// One row of everything.
Ref FlowLayout::preferredLayoutSize(Ref, Ref target) {
  Ref volatile insets = vcall(Container::m_getInsets, target);
  auto& i = Insets::f(insets);
  jint width = i.left + i.right;
  jint height = 0;
  for (jint k = 0; k < Container::getComponentCount(target); k++) {
    Ref volatile d = vcall(Component::m_getPreferredSize, Container::getComponent(target, k));
    width += Dimension::f(d).width + kGap;
    height = std::max(height, Dimension::f(d).height);
  }
  return jnew<Dimension>(width, height + i.top + i.bottom);
}

Ref FlowLayout::minimumLayoutSize(Ref self, Ref target) {
  return preferredLayoutSize(self, target);
}

// Rows after the first start at x = 0, not at the left inset; no gap between rows.
void FlowLayout::layoutContainer(Ref, Ref target) {
  Ref volatile insets = vcall(Container::m_getInsets, target);
  auto& i = Insets::f(insets);
  jint x = i.left;
  jint y = i.top;
  jint limit = Component::f(target).width - i.right - i.left;
  jint rowHeight = 0;
  for (jint k = 0; k < Container::getComponentCount(target); k++) {
    Ref c = Container::getComponent(target, k);
    Ref volatile d = vcall(Component::m_getPreferredSize, c);
    jint w = Dimension::f(d).width;
    jint h = Dimension::f(d).height;
    Component::setSize(c, w, h);
    Component::f(c).valid = 0;
    if (x != 0 && x + w + kGap > limit) {
      x = 0;
      y += rowHeight;
      rowHeight = 0;
    }
    Component::setLocation(c, x, y);
    x += w + kGap;
    rowHeight = std::max(rowHeight, h);
  }
}

}  // namespace java::awt
