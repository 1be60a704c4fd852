// ThreeDeeObject: Spindrift's model, its rotation and its projection.
#include "ThreeDeeObject.h"

#include "Trigonometric.h"
#include "apps/shared/WireFrame.h"

namespace spindrift {

using Model = apps::WireFrame<ThreeDeeObject, Trigonometric>;

ClassDecl ThreeDeeObject::klass = {
    .name = "ThreeDeeObject",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(rx), JAVA_REF(ry), JAVA_REF(rz), JAVA_REF(sx), JAVA_REF(sy)},
    .classInit = &ThreeDeeObject::staticInit,
    .staticWords = JAVA_STATIC_WORDS,
    .uses = {&Trigonometric::klass},
};

// The emblem of one quadrant: a swept blade (A) and a drop of spray beyond its back (B),
// each a closed outline of 16 points in the plane z = 0.
static const jint kBlade[16][2] = {
    {117, 221},  {310, 462},  {552, 663},  {835, 817},   {1154, 918},  {1500, 960},
    {1864, 940}, {2237, 853}, {2608, 699}, {1849, 1520}, {1135, 1752}, {604, 1676},
    {294, 1445}, {164, 1157}, {141, 851},  {117, 221},
};
static const jint kDrop[16][2] = {
    {445, 2607}, {315, 2579}, {207, 2501}, {141, 2386}, {127, 2254}, {168, 2127},
    {257, 2028}, {378, 1974}, {512, 1974}, {633, 2028}, {722, 2127}, {763, 2254},
    {749, 2386}, {683, 2501}, {575, 2579}, {445, 2607},
};

// Blade and drop in the first quadrant, then turned by 90 degrees about the z axis into
// each of the others; last the axis, two vertices standing out of the middle.
void ThreeDeeObject::staticInit() {
  S().model = Model::newModel();
  jint n = 0;
  auto add = [&](jint x, jint y, jint z) { Model::setVertex(S().model, n++, x, y, z); };
  for (jint quarter = 0; quarter < 4; quarter++) {
    for (const auto* shape : {kBlade, kDrop}) {
      for (jint i = 0; i < kStroke; i++) {
        jint x = shape[i][0], y = shape[i][1];
        for (jint k = 0; k < quarter; k++) {
          jint turned = -y;
          y = x;
          x = turned;
        }
        add(x, y, 0);
      }
    }
  }
  add(0, 0, 0);
  add(0, 0, 2000);
}

void ThreeDeeObject::init(Ref self, jint x, jint y, jint z) {
  java::lang::Object::init(self);
  Model::init(self, x, y, z);
}

jint ThreeDeeObject::worldX(Ref self, jint i) { return Model::worldX(self, i); }
jint ThreeDeeObject::worldY(Ref self, jint i) { return Model::worldY(self, i); }
jint ThreeDeeObject::worldZ(Ref self, jint i) { return Model::worldZ(self, i); }

void ThreeDeeObject::setPosition(Ref self, jint x, jint y, jint z) {
  Model::setPosition(self, x, y, z);
}

void ThreeDeeObject::translate(Ref self, jint dx, jint dy, jint dz) {
  Model::translate(self, dx, dy, dz, kNearest);
}

void ThreeDeeObject::rotate(Ref self, jint a, jint b, jint c) { Model::rotate(self, a, b, c); }

void ThreeDeeObject::project(Ref self, jint ox, jint oy, jint oz) {
  Model::project(self, ox, oy, oz);
}

void ThreeDeeObject::draw(Ref self, Ref) { Model::draw(self); }

}  // namespace spindrift
