// VorelObject: Glimmer's word logo, its rotation and its projection.
#pragma once
#include "apps/shared/WireFrame.h"

namespace glimmer {

struct VorelObject {
  static ClassDecl klass;
  using Fields = apps::WireFrameFields;  // x, y, z; rx, ry, rz, sx, sy: int[124]
  JAVA_FIELDS(java::lang::Object)
  struct Statics {
    Ref model;  // int[124][3]
  };
  JAVA_STATICS

  static constexpr jint kVertices = 124;
  static constexpr jint kNearest = -5000;

  // Four strokes: a new one starts at vertices 55, 89 and 122.
  static bool startsStroke(jint i) { return i == 55 || i == 89 || i == 122; }

  static void staticInit();
  static void init(Ref self, jint x, jint y, jint z);
  static jint worldX(Ref self, jint i);
  static jint worldY(Ref self, jint i);
  static jint worldZ(Ref self, jint i);
  static void setPosition(Ref self, jint x, jint y, jint z);
  static void translate(Ref self, jint dx, jint dy, jint dz);
  static jint getZ(Ref self);
  static void rotate(Ref self, jint a, jint b, jint c);
  static void project(Ref self, jint ox, jint oy, jint oz);
  static void draw(Ref self, Ref g);
};

}  // namespace glimmer
