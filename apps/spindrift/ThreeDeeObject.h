// ThreeDeeObject: Spindrift's model, its rotation and its projection.
#pragma once
#include "apps/shared/WireFrame.h"

namespace spindrift {

struct ThreeDeeObject {
  static ClassDecl klass;
  using Fields = apps::WireFrameFields;  // x, y, z; rx, ry, rz, sx, sy: int[130]
  JAVA_FIELDS(java::lang::Object)
  struct Statics {
    Ref model;  // int[130][3]
  };
  JAVA_STATICS

  static constexpr jint kVertices = 130;
  static constexpr jint kStroke = 16;  // a new outline starts at every multiple
  static constexpr jint kNearest = -5750;

  // Strokes of 16: no line ends at a multiple of 16.
  static bool startsStroke(jint i) { return i % kStroke == 0; }

  static void staticInit();
  static void init(Ref self, jint x, jint y, jint z);
  static jint worldX(Ref self, jint i);
  static jint worldY(Ref self, jint i);
  static jint worldZ(Ref self, jint i);
  static void setPosition(Ref self, jint x, jint y, jint z);
  static void translate(Ref self, jint dx, jint dy, jint dz);
  static void rotate(Ref self, jint a, jint b, jint c);
  static void project(Ref self, jint ox, jint oy, jint oz);
  static void draw(Ref self, Ref g);
};

}  // namespace spindrift
