// java/awt/Checkbox
#include "java/awt/Checkbox.h"

#include "de/kawt/impl/Laf.h"
#include "java/awt/CheckboxGroup.h"
#include "java/awt/Dimension.h"
#include "java/awt/FontMetrics.h"
#include "java/awt/Graphics.h"
#include "java/awt/Toolkit.h"
#include "java/awt/event/ItemEvent.h"
#include "java/awt/event/ItemListener.h"

namespace java::awt {

using de::kawt::impl::Laf;
using event::ItemEvent;
using event::ItemListener;

ClassDecl Checkbox::klass = {
    .name = "java/awt/Checkbox",
    .super = &Component::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(label), JAVA_REF(group), JAVA_REF(itemListener)},
    .defaultCtor = static_cast<void (*)(Ref)>(&Checkbox::init),
    .methods = {impl(Component::m_getPreferredSize, &Checkbox::getPreferredSize),
                impl(Component::m_paint, &Checkbox::paint),
                impl(Component::m_activate, &Checkbox::activate)},
    .uses = {&java::awt::Component::klass, &de::kawt::impl::Laf::klass,
             &java::awt::CheckboxGroup::klass, &java::awt::Dimension::klass,
             &java::awt::FontMetrics::klass, &java::awt::Graphics::klass,
             &java::awt::Toolkit::klass, &java::awt::event::ItemEvent::klass,
             &java::awt::event::ItemListener::klass},
};

void Checkbox::init(Ref self) { init(self, lit(""), nullptr, 0); }
void Checkbox::init(Ref self, Ref label) { init(self, label, nullptr, 0); }
void Checkbox::init(Ref self, Ref label, jbool state) { init(self, label, nullptr, state); }

// A radio button made on joins its group as the one that is on.
void Checkbox::init(Ref self, Ref label, Ref group, jbool state) {
  Component::init(self);
  f(self).label = label;
  f(self).state = state;
  setCheckboxGroup(self, group);
  if (group && state) CheckboxGroup::selected(group, self);
}

Ref Checkbox::getLabel(Ref self) { return f(nn(self)).label; }

void Checkbox::setLabel(Ref self, Ref label) {
  f(nn(self)).label = label;
  Component::repaint(self);
}

jbool Checkbox::getState(Ref self) { return f(nn(self)).state; }

void Checkbox::setState(Ref self, jbool state) {
  if (f(nn(self)).state == state) return;
  f(self).state = state;
  Component::repaint(self, 0, 0, BOX_AREA, Component::f(self).height);
  if (Ref l = f(self).itemListener) {
    Ref volatile e = jnew<ItemEvent>(self, ItemEvent::ITEM_STATE_CHANGED, self,
                                     state ? ItemEvent::SELECTED : ItemEvent::DESELECTED);
    icall(ItemListener::m_itemStateChanged, l, e);
  }
  if (state && f(self).group) CheckboxGroup::selected(f(self).group, self);
}

Ref Checkbox::getCheckboxGroup(Ref self) { return f(nn(self)).group; }

void Checkbox::setCheckboxGroup(Ref self, Ref group) {
  Ref old = f(nn(self)).group;
  if (old == group) return;
  if (old) CheckboxGroup::remove(old, self);
  f(self).group = group;
  if (group) CheckboxGroup::add(group, self);
  Component::repaint(self);
}

void Checkbox::addItemListener(Ref self, Ref l) {
  Component::checkSingleListener(f(nn(self)).itemListener);
  f(self).itemListener = l;
}

void Checkbox::removeItemListener(Ref self, Ref l) {
  if (f(nn(self)).itemListener == l) f(self).itemListener = nullptr;
}

Ref Checkbox::getPreferredSize(Ref self) {
  Ref metrics = Component::getFontMetrics(self, Component::f(self).font);
  return jnew<Dimension>(vcall(FontMetrics::m_stringWidth, metrics, f(self).label) + 12,
                         vcall(FontMetrics::m_getHeight, metrics));
}

// The box or ring is centred on the text's middle line, which is never above y 4, so that
// the 9-pixel ring of a radio button stays inside a low component.
void Checkbox::paint(Ref self, Ref g) {
  auto& c = Component::f(self);
  jint fontHeight = vcall(FontMetrics::m_getHeight, vcall(Graphics::m_getFontMetrics, g));
  jint middle = c.height / 2;
  if (middle < 4) middle = 4;
  if (f(self).group) {
    jint top = middle - 4;
    vcall(Graphics::m_drawOval, g, 0, top, 8, 8);
    vcall(Graphics::m_drawOval, g, 1, top + 1, 6, 6);
    if (f(self).state) vcall(Graphics::m_fillRect, g, 2, top + 2, 4, 4);
  } else {
    jint top = middle - 3;
    vcall(Graphics::m_drawRect, g, 0, top, 6, 6);
    if (f(self).state) {  // a tick: a short stroke down, a longer one up
      vcall(Graphics::m_drawLine, g, 1, top + 3, 2, top + 4);
      vcall(Graphics::m_drawLine, g, 2, top + 4, 5, top + 1);
      vcall(Graphics::m_drawLine, g, 1, top + 2, 2, top + 3);
      vcall(Graphics::m_drawLine, g, 2, top + 3, 5, top + 0);
    }
  }
  vcall(Laf::m_drawLabel, Toolkit::getLaf(), g, c.background, 12, (c.height - fontHeight) / 2,
        f(self).label, c.hasFocus);
}

// A radio button that is on stays on.
void Checkbox::activate(Ref self, Ref e) {
  if (f(self).group) {
    if (!f(self).state) setState(self, 1);
  } else {
    setState(self, !f(self).state);
  }
}

}  // namespace java::awt
