// java/awt/Rectangle
#include "java/awt/Rectangle.h"

#include <algorithm>

namespace java::awt {

ClassDecl Rectangle::klass = {
    .name = "java/awt/Rectangle",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = static_cast<void (*)(Ref)>(&Rectangle::init),
    .uses = {&java::lang::Object::klass},
};

void Rectangle::init(Ref self) { java::lang::Object::init(self); }

void Rectangle::init(Ref self, jint x, jint y, jint width, jint height) {
  java::lang::Object::init(self);
  f(self) = {x, y, width, height};
}

void Rectangle::setBounds(Ref self, jint x, jint y, jint width, jint height) {
  f(nn(self)) = {x, y, width, height};
}

jbool Rectangle::contains(Ref self, jint x, jint y) {
  auto& r = f(nn(self));
  return x >= r.x && y >= r.y && x < r.x + r.width && y < r.y + r.height;
}

jbool Rectangle::intersects(Ref self, Ref other) {
  auto& a = f(nn(self));
  auto& b = f(nn(other));
  return b.x < a.x + a.width && b.y < a.y + a.height && a.x < b.x + b.width && a.y < b.y + b.height;
}

// Grows this rectangle to the union of both.
void Rectangle::add(Ref self, Ref other) {
  auto& a = f(nn(self));
  auto& b = f(nn(other));
  jint x2 = std::max(a.x + a.width, b.x + b.width);
  jint y2 = std::max(a.y + a.height, b.y + b.height);
  a.x = std::min(a.x, b.x);
  a.y = std::min(a.y, b.y);
  a.width = x2 - a.x;
  a.height = y2 - a.y;
}

}  // namespace java::awt
