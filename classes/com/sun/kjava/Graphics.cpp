// com/sun/kjava/Graphics
#include "com/sun/kjava/Graphics.h"

#include "com/sun/kjava/Bitmap.h"
#include "host/natives.h"

namespace com::sun::kjava {

ClassDecl Graphics::klass = {
    .name = "com/sun/kjava/Graphics",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .classInit = &Graphics::staticInit,
    .defaultCtor = &Graphics::init,
    .staticWords = JAVA_STATIC_WORDS,
    .uses = {&com::sun::kjava::Bitmap::klass},
};

void Graphics::staticInit() {
  gfx_no_op();
  S().instance = jnew<Graphics>();
}

void Graphics::init(Ref self) { java::lang::Object::init(self); }

Ref Graphics::getGraphics() {
  clinit<Graphics>();
  return S().instance;
}

void Graphics::drawLine(jint srcX, jint srcY, jint dstX, jint dstY, jint mode) {
  clinit<Graphics>();
  gfx_draw_line(srcX, srcY, dstX, dstY, mode);
}

// A negative size extends left or up from the given edge.
void Graphics::drawRectangle(jint left, jint top, jint width, jint height, jint mode,
                             jint cornerDiam) {
  clinit<Graphics>();
  gfx_fill_rectangle(left, top, width, height, mode, cornerDiam);
}

// The frame lies just outside the rectangle.
void Graphics::drawBorder(jint left, jint top, jint width, jint height, jint mode, jint frameType) {
  clinit<Graphics>();
  gfx_draw_border(left, top, width, height, mode, frameType);
}

// Corner radius in bits 15..8, a shadow width the host does not draw in 7..2, the ring
// count in 1..0.
jint Graphics::borderType(jint cornerDiam, jint shadow, jint width) {
  clinit<Graphics>();
  return ((cornerDiam << 8) | (shadow << 2) | width) & 0xFFFF;
}

// "" at (0, -100) holds screen updates back and "" at (0, -200) shows everything drawn
// since: how a whole frame appears at once.
jint Graphics::drawString(Ref text, jint left, jint top, jint mode) {
  clinit<Graphics>();
  return native(gfx_draw_string, text, left, top, mode);
}

jint Graphics::drawString(Ref text, jint left, jint top) {
  return drawString(text, left, top, PLAIN);
}

jint Graphics::getWidth(Ref text) {
  clinit<Graphics>();
  return native(gfx_string_width, text);
}

jint Graphics::getHeight(Ref text) {
  clinit<Graphics>();
  return native(gfx_string_height, text);
}

void Graphics::clearScreen() { drawRectangle(0, 0, 160, 160, ERASE, 0); }

// A bitmap without data draws nothing, like a null bitmap.
void Graphics::drawBitmap(jint left, jint top, Ref bitmap) {
  clinit<Graphics>();
  if (!bitmap) return;
  native(gfx_draw_bitmap, left, top, Bitmap::f(bitmap).data);
}

void Graphics::setDrawRegion(jint left, jint top, jint width, jint height) {
  clinit<Graphics>();
  gfx_set_draw_region(left, top, width, height);
}

void Graphics::resetDrawRegion() {
  clinit<Graphics>();
  gfx_reset_draw_region();
}

void Graphics::copyRegion(jint left, jint top, jint width, jint height, jint dstX, jint dstY,
                          jint mode) {
  clinit<Graphics>();
  gfx_copy_region(left, top, width, height, dstX, dstY, mode);
}

void Graphics::copyOffScreenRegion(jint left, jint top, jint width, jint height, jint dstX,
                                   jint dstY, jint mode, jint srcWind, jint dstWind) {
  clinit<Graphics>();
  gfx_copy_offscreen_region(left, top, width, height, dstX, dstY, mode, srcWind, dstWind);
}

// The host makes no sound.
void Graphics::playSound(jint) {
  clinit<Graphics>();
  gfx_no_op();
}

}  // namespace com::sun::kjava
