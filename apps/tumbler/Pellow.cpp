// Pellow: the cartoon character that walks, hops, waves and leaves.
#include "Pellow.h"

#include "AnimManager.h"
#include "PellowFrames.h"
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
    .uses = {&AnimChar::klass, &AnimManager::klass, &Rectangle::klass,
             &com::sun::kjava::Bitmap::klass, &com::sun::kjava::Graphics::klass},
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
    for (jint row = 0; row < kHeight; row++) rt_array_store16(data, 8 + row, kPellowFrames[k][row]);
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
