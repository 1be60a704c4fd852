// com/sun/kjava/Button
#include "com/sun/kjava/Button.h"

#include "com/sun/kjava/Graphics.h"
#include "java/lang/InterruptedException.h"
#include "java/lang/Thread.h"

namespace com::sun::kjava {

Operations Button::relabelling = {.name = "com/sun/kjava/Button.setText(String)"};

ClassDecl Button::klass = {
    .name = "com/sun/kjava/Button",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(text), JAVA_REF(bitmap)},
    .methods = {impl(m_setText, &Button::setText, &relabelling), impl(m_paint, &Button::paint),
                impl(m_pressed, &Button::pressed)},
    .uses = {&com::sun::kjava::Graphics::klass, &java::lang::InterruptedException::klass,
             &java::lang::Thread::klass},
};

// The outer size: the label's plus a margin, never narrower than 4.
static void measure(Ref self) {
  auto& b = Button::f(self);
  b.textWidth = Graphics::getWidth(b.text);
  b.width = b.textWidth + 4;
  if (b.width < 4) b.width = 4;
  b.height = Graphics::getHeight(b.text) + 2;
}

// Does not paint.
void Button::init(Ref self, Ref text, jint x, jint y) {
  java::lang::Object::init(self);
  f(self).enabled = 1;
  f(self).text = text;
  f(self).x = x;
  f(self).y = y;
  measure(self);
  f(self).frameType = Graphics::borderType(3, 0, 1);
}

void Button::setText(Ref self, Ref text) {
  f(nn(self)).text = text;
  measure(self);
}

// The face is not cleared: buttons are painted on a clean area.
void Button::paint(Ref self) {
  auto& b = f(self);
  if (!b.text) {
    Graphics::drawBitmap(b.x, b.y, b.bitmap);
    return;
  }
  jint mode = b.enabled ? Graphics::PLAIN : Graphics::GRAY;
  jint offset = (b.width - b.textWidth) / 2;
  Graphics::drawString(b.text, b.x + offset, b.y + 1, mode);
  Graphics::drawBorder(b.x, b.y, b.width, b.height, mode, b.frameType);
}

// Both edges count as inside. A hit flashes the face for 100 ms, holding the caller.
jbool Button::pressed(Ref self, jint x, jint y) {
  auto& b = f(self);
  if (!b.enabled) return 0;
  if (x < b.x || x > b.x + b.width || y < b.y || y > b.y + b.height) return 0;
  Graphics::drawRectangle(b.x, b.y, b.width, b.height, Graphics::INVERT, 0);
  try {
    java::lang::Thread::sleep(100);
  } catch (JavaThrow& e) {
    if (!caught<java::lang::InterruptedException>(e)) throw;
  }
  Graphics::drawRectangle(f(self).x, f(self).y, f(self).width, f(self).height, Graphics::INVERT, 0);
  return 1;
}

}  // namespace com::sun::kjava
