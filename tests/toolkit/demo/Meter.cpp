// Meter: the test program's tallies drawn as rows of marks.
#include "Meter.h"

#include "java/awt/Graphics.h"

namespace widgets {

using java::awt::Component;
using java::awt::Graphics;

ClassDecl Meter::klass = {
    .name = "Meter",
    .super = &Component::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(counts)},
    .methods = {impl(Component::m_paint, &Meter::paint)},
};

void Meter::init(Ref self) {
  Component::init(self);
  f(self).counts = new_char_array(ROWS);
}

jint Meter::get(Ref self, jint row) { return elements<jchar>(f(self).counts)[row]; }

void Meter::set(Ref self, jint row, jint value) {
  elements<jchar>(f(self).counts)[row] = static_cast<jchar>(value);
  Component::repaint(self, 0, row * ROW_HEIGHT, Component::f(self).width, ROW_HEIGHT);
}

void Meter::add(Ref self, jint row) { set(self, row, get(self, row) + 1); }

// Each row is cleared and drawn whole, so a row's repaint needs nothing under it.
void Meter::paint(Ref self, Ref g) {
  auto& c = Component::f(self);
  Ref ink = vcall(Graphics::m_getColor, g);
  for (jint row = 0; row < ROWS; row++) {
    jint y = row * ROW_HEIGHT, n = get(self, row);
    vcall(Graphics::m_setColor, g, c.background);
    vcall(Graphics::m_fillRect, g, 0, y, c.width, ROW_HEIGHT);
    vcall(Graphics::m_setColor, g, ink);
    if (row == BAR_VALUE) {
      if (n > 0) vcall(Graphics::m_fillRect, g, LEFT, y, n, ROW_HEIGHT - 1);
      continue;
    }
    for (jint i = 0; i < n && LEFT + i * MARK_PITCH + 3 <= c.width; i++)
      vcall(Graphics::m_fillRect, g, LEFT + i * MARK_PITCH, y, 3, ROW_HEIGHT - 1);
  }
}

}  // namespace widgets
