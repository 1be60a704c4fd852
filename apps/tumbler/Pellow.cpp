// Pellow: the cartoon character that walks, hops, waves and leaves.
#include "Pellow.h"

#include "AnimManager.h"
#include "Rectangle.h"
#include "com/sun/kjava/Bitmap.h"
#include "com/sun/kjava/Graphics.h"

namespace tumbler {

using com::sun::kjava::Bitmap;
using com::sun::kjava::Graphics;

ClassDecl Pellow::klass = {
    .name = "Pellow",
    .super = &AnimChar::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .classInit = &Pellow::staticInit,
    .defaultCtor = &Pellow::init,
    .methods = {impl(AnimChar::m_setState, &Pellow::setState),
                impl(AnimChar::m_setManager, &Pellow::setManager),
                impl(AnimChar::m_update, &Pellow::update), impl(AnimChar::m_paint, &Pellow::paint)},
    .staticWords = JAVA_STATIC_WORDS,
};

// The pictures, one bit a pixel, 16 wide and 24 high, a row a word, most significant bit
// leftmost: standing, hop, walking left (two steps), walking right (two steps), waving
// (arm down, arm up).
static const uint16_t kFrames[8][24] = {
    {0x0000, 0x1C1C, 0x2222, 0x47E2, 0x4C1A, 0x5004, 0x2002, 0x4662,
     0x4662, 0x4002, 0x4182, 0x2392, 0x16E4, 0x1008, 0x0C1C, 0x33E2,
     0x4001, 0x980D, 0xE80B, 0x0808, 0x1004, 0x33E6, 0x2412, 0x380E},
    {0x1C1C, 0x2222, 0x47E2, 0x4C1A, 0x5004, 0x2002, 0x4662, 0x4662,
     0x4002, 0x4182, 0x2392, 0x56E4, 0xB00B, 0x9C1D, 0x43E1, 0x2002,
     0x180C, 0x0808, 0x0808, 0x0804, 0x11C4, 0x1224, 0x1224, 0x0C18},
    {0x0000, 0x0038, 0x1844, 0x27C4, 0x2C34, 0x300C, 0x2002, 0x4CC2,
     0x4CC2, 0x4002, 0x4302, 0x2722, 0x1DC4, 0x1008, 0x0C1C, 0x33E2,
     0x4001, 0x980D, 0xE80B, 0x0808, 0x0B08, 0x1E38, 0x20C4, 0x3F3C},
    {0x0000, 0x0038, 0x1844, 0x27C4, 0x2C34, 0x300C, 0x2002, 0x4CC2,
     0x4CC2, 0x4002, 0x4302, 0x2722, 0x1DC4, 0x1008, 0x0C18, 0x13E4,
     0x1004, 0x18E4, 0x0908, 0x09FC, 0x1004, 0x33E6, 0x2412, 0x380E},
    {0x0000, 0x1C00, 0x2218, 0x23E4, 0x2C34, 0x300C, 0x4004, 0x4332,
     0x4332, 0x4002, 0x4062, 0x44E4, 0x23B8, 0x1008, 0x3830, 0x47CC,
     0x8002, 0xB019, 0xD017, 0x1010, 0x10D0, 0x1C78, 0x2304, 0x3CFC},
    {0x0000, 0x1C00, 0x2218, 0x23E4, 0x2C34, 0x300C, 0x4004, 0x4332,
     0x4332, 0x4002, 0x4062, 0x44E4, 0x23B8, 0x1008, 0x1830, 0x27C8,
     0x2008, 0x2718, 0x1090, 0x3F90, 0x2008, 0x67CC, 0x4824, 0x701C},
    {0x0000, 0x1C1C, 0x2222, 0x47E2, 0x4C1A, 0x5004, 0x2002, 0x4662,
     0x4662, 0x4002, 0x4182, 0x2392, 0x56E4, 0xB008, 0x9C1C, 0x43E2,
     0x2001, 0x180D, 0x080B, 0x0808, 0x1004, 0x33E6, 0x2412, 0x380E},
    {0x0000, 0x1C1C, 0x2222, 0x47E2, 0x4C1A, 0x5004, 0x2002, 0x4662,
     0x4662, 0x4002, 0x4982, 0x3592, 0x26E4, 0x4808, 0x4C1C, 0x23E2,
     0x2001, 0x180D, 0x080B, 0x0808, 0x1004, 0x33E6, 0x2412, 0x380E},
};
// Width, height, bytes per row, flags, pixel size and version, three zero words.
static const uint16_t kHeader[8] = {16, 24, 2, 0, 0x0101, 0, 0, 0};
// Six directions at 2 pixels a tick; positive y is down.
static const jint kDX[6] = {2, 2, 2, -2, -2, -2};
static const jint kDY[6] = {2, 0, -2, -2, 0, 2};

void Pellow::staticInit() {
  S().frames =
      rt_new_ref_array(rt_class_index_by_name("[Lcom/sun/kjava/Bitmap;"), Bitmap::klass.index, 8);
  for (jint k = 0; k < 8; k++) {
    Ref volatile data = rt_new_array(rt_class_index_by_name("[S"), 2, 8 + kHeight);
    for (jint i = 0; i < 8; i++) rt_array_store16(data, i, kHeader[i]);
    for (jint row = 0; row < kHeight; row++) rt_array_store16(data, 8 + row, kFrames[k][row]);
    rt_array_store_ref(S().frames, k, jnew<Bitmap>(data));
  }
  S().DX = rt_new_array(rt_class_index_by_name("[I"), 4, 6);
  S().DY = rt_new_array(rt_class_index_by_name("[I"), 4, 6);
  for (jint k = 0; k < 6; k++) {
    rt_array_store32(S().DX, k, kDX[k]);
    rt_array_store32(S().DY, k, kDY[k]);
  }
}

void Pellow::init(Ref self) { AnimChar::init(self); }

// Placed on the stage floor at a random even x, walking, first upward.
void Pellow::setManager(Ref self, Ref manager) {
  AnimChar::setManager(self, manager);
  Ref s = AnimManager::getStage(manager);
  auto& r = Rectangle::f(s);
  f(self).x = r.x + 2 * AnimManager::random((r.width - kWidth) / 2);
  f(self).y = r.y + r.height - kHeight;
  vcall(AnimChar::m_setState, self, WALKING);
  f(self).dy = -2;
  f(self).visible = 1;
}

void Pellow::setState(Ref self, jint state) {
  AnimChar::setState(self, state);
  auto& p = f(self);
  switch (state) {
    case STANDING:
      p.dx = p.dy = 0;
      p.timer = 8;
      break;
    case HOPPING:
      p.dx = p.dy = 0;
      p.timer = 16;
      break;
    case WALKING:
      randomDirection(self);
      p.timer = 4 * AnimManager::random(10) + 16;
      break;
    case LEAVING:
      if (p.dx == 0 && p.dy == 0) {
        randomDirection(self);
      } else {
        p.dx = -p.dx;
        p.dy = -p.dy;
      }
      p.timer = 1000;
      break;
    case WAVING:
      p.dx = p.dy = 0;
      p.timer = 16;
      break;
  }
}

// One tick: a step that would cross a stage edge is undone and that direction reversed;
// a leaving character that meets an edge waves.
void Pellow::update(Ref self) {
  auto& p = f(self);
  p.oldX = p.x;
  p.oldY = p.y;
  p.x += p.dx;
  p.y += p.dy;
  auto& s = Rectangle::f(AnimManager::getStage(AnimChar::f(self).manager));
  bool bounced = false;
  if (p.x < s.x || p.x > s.x + s.width - kWidth) {
    p.dx = -p.dx;
    p.x = p.oldX;
    bounced = true;
  }
  if (p.y < s.y || p.y > s.y + s.height - kHeight) {
    p.dy = -p.dy;
    p.y = p.oldY;
    bounced = true;
  }
  jint state = AnimChar::f(self).state;
  if (bounced && state == LEAVING) {
    vcall(AnimChar::m_setState, self, WAVING);
    return;
  }
  if (--p.timer > 0) return;
  jint r = AnimManager::random(5);
  switch (state) {
    case STANDING:
    case HOPPING:
      vcall(AnimChar::m_setState, self, WALKING);
      break;
    case WALKING:
      vcall(AnimChar::m_setState, self, r == 0 ? HOPPING : STANDING);
      break;
    case WAVING:
      vcall(AnimChar::m_setState, self, FINISHED);
      break;
  }
}

// A finished character erases its picture once and draws nothing more.
void Pellow::paint(Ref self, Ref) {
  auto& p = f(self);
  jint state = AnimChar::f(self).state;
  if (state == FINISHED) {
    if (p.visible) {
      p.visible = 0;
      Graphics::drawRectangle(p.oldX, p.oldY, kWidth, kHeight, Graphics::ERASE, 0);
    }
    return;
  }
  if (p.x != p.oldX || p.y != p.oldY)
    Graphics::drawRectangle(p.oldX, p.oldY, kWidth, kHeight, Graphics::ERASE, 0);
  jint frame = 0;
  switch (state) {
    case STANDING:
      frame = 0;
      break;
    case HOPPING:
      frame = (p.timer & 2) / 2;
      break;
    case WALKING:
    case LEAVING:
      frame = (p.dx <= 0 ? 2 : 4) + (p.timer & 1);
      break;
    case WAVING:
      frame = 6 + (p.timer & 2) / 2;
      break;
  }
  Graphics::drawBitmap(p.x, p.y, rt_array_load_ref(S().frames, frame));
}

// Only a character still about its business can be sent away.
void Pellow::bye(Ref self) {
  jint state = AnimChar::f(self).state;
  if (state != FINISHED && state != LEAVING && state != WAVING)
    vcall(AnimChar::m_setState, self, LEAVING);
}

void Pellow::randomDirection(Ref self) {
  jint k = AnimManager::random(6);
  f(self).dx = rt_array_load32(S().DX, k);
  f(self).dy = rt_array_load32(S().DY, k);
}

}  // namespace tumbler
