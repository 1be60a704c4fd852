// TextBox: lines of text wrapped at blanks to the box's width, with a scroll bar when they
// do not fit its height.
#include "TextBox.h"

#include "java/awt/FontMetrics.h"
#include "java/awt/Graphics.h"
#include "java/awt/Scrollbar.h"
#include "java/awt/event/AdjustmentListener.h"
#include "java/lang/String.h"

namespace orbitale {

using java::awt::Component;
using java::awt::Container;
using java::awt::FontMetrics;
using java::awt::Graphics;
using java::awt::Scrollbar;
using java::lang::String;

ClassDecl TextBox::klass = {
    .name = "TextBox",
    .super = &java::awt::Panel::klass,
    .interfaces = {&java::awt::event::AdjustmentListener::klass},
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(lines), JAVA_REF(scrollbar)},
    .methods = {impl(Component::m_paint, &TextBox::paint),
                impl(java::awt::event::AdjustmentListener::m_adjustmentValueChanged,
                     &TextBox::adjustmentValueChanged)},
    .uses = {&java::awt::Panel::klass, &java::awt::FontMetrics::klass, &java::awt::Graphics::klass,
             &java::awt::Scrollbar::klass, &java::awt::event::AdjustmentListener::klass,
             &java::lang::String::klass},
};

namespace {

// The metrics of the box's Graphics, or of its font while it has none.
Ref metrics(Ref self) {
  Ref volatile g = Component::getGraphics(self);
  if (g) return vcall(Graphics::m_getFontMetrics, g);
  return Component::getFontMetrics(self, Component::getFont(self));
}

Ref new_strings(jint n) {
  return rt_new_ref_array(rt_class_index_by_name("[Ljava/lang/String;"), String::klass.index, n);
}

}  // namespace

void TextBox::init(Ref self, jint x, jint y, jint width, jint height) {
  java::awt::Panel::init(self);
  Container::setLayout(self, nullptr);
  f(self).lines = new_strings(0);
  f(self).first = 0;
  f(self).boxWidth = width;
  f(self).boxHeight = height;
  f(self).scrollbar = nullptr;
  Component::setLocation(self, x, y);
  Component::setSize(self, width, height);
  vcall(Component::m_setVisible, self, 1);
}

// Wrapped at the full width, or at the width less the bar's when the lines already need a
// bar (and again so when wrapping made them too many).
void TextBox::setLines(Ref self, Ref lines) {
  Ref volatile fm = metrics(self);
  jint h = vcall(FontMetrics::m_getHeight, fm);
  jint width = f(self).boxWidth, height = f(self).boxHeight;
  jint wrapWidth = alen(lines) * h > height ? width - BAR_WIDTH : width;
  Ref volatile wrapped = wrap(self, lines, wrapWidth);
  if (alen(wrapped) * h > height && wrapWidth == width)
    wrapped = wrap(self, lines, width - BAR_WIDTH);
  f(self).lines = wrapped;
  if (alen(wrapped) * h > height) {
    if (!f(self).scrollbar) {
      Ref volatile bar = jnew<Scrollbar>(Scrollbar::VERTICAL, 0, height / h, 0, alen(wrapped));
      f(self).scrollbar = bar;
      Scrollbar::addAdjustmentListener(bar, self);
      Container::add(self, bar);
      vcall(Component::m_setVisible, bar, 1);
      Component::setSize(bar, BAR_WIDTH, height);
      Component::setLocation(bar, width - BAR_WIDTH, 0);
    } else {
      Scrollbar::setMaximum(f(self).scrollbar, alen(wrapped));
    }
  } else {
    if (f(self).scrollbar) Container::removeComponent(self, f(self).scrollbar);
    f(self).scrollbar = nullptr;
    f(self).first = 0;
  }
  Component::repaint(self);
}

// At most MAX_LINES display lines. A line too wide is cut at the last blank whose prefix
// fits; a piece with no such blank stays whole, too wide as it is.
Ref TextBox::wrap(Ref self, Ref lines, jint width) {
  Ref volatile fm = metrics(self);
  Ref volatile out = new_strings(MAX_LINES);
  jint n = 0;
  for (jint i = 0; i < alen(lines) && n < MAX_LINES; i++) {
    Ref volatile rest = rt_array_load_ref(lines, i);
    while (n < MAX_LINES) {
      if (vcall(FontMetrics::m_stringWidth, fm, rest) <= width) {
        rt_array_store_ref(out, n++, rest);
        break;
      }
      jint blank = String::lastIndexOf(rest, ' ');
      while (blank >= 0 &&
             vcall(FontMetrics::m_stringWidth, fm, String::substring(rest, 0, blank)) > width)
        blank = String::lastIndexOf(rest, ' ', blank - 1);
      if (blank < 0) {
        rt_array_store_ref(out, n++, rest);
        break;
      }
      rt_array_store_ref(out, n++, String::substring(rest, 0, blank));
      rest = String::substring(rest, blank + 1);
    }
  }
  Ref volatile result = new_strings(n);
  for (jint i = 0; i < n; i++) rt_array_store_ref(result, i, rt_array_load_ref(out, i));
  return result;
}

void TextBox::adjustmentValueChanged(Ref self, Ref) {
  f(self).first = Scrollbar::getValue(f(self).scrollbar);
  Component::repaint(self);
}

// Line i on the baseline (i - first + 1) font heights down.
void TextBox::paint(Ref self, Ref g) {
  vcall(Graphics::m_clipRect, g, 0, 0, Component::f(self).width, Component::f(self).height);
  jint h = vcall(FontMetrics::m_getHeight, vcall(Graphics::m_getFontMetrics, g));
  Ref lines = f(self).lines;
  for (jint i = f(self).first; i < alen(lines); i++)
    vcall(Graphics::m_drawString, g, rt_array_load_ref(lines, i), 0, (i - f(self).first + 1) * h);
}

}  // namespace orbitale
