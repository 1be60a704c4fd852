// The wire-frame model design the two logo programs share: a vertex table turned about
// three axes by integer trigonometry and projected onto the device screen.
#pragma once
#include "com/sun/kjava/Graphics.h"
#include "java/lang/Object.h"

namespace apps {

// Wrapping 32-bit arithmetic, as the hosted language computes it.
inline jint imul(jint a, jint b) {
  return static_cast<jint>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}
inline jint iadd(jint a, jint b) {
  return static_cast<jint>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
inline jint isub(jint a, jint b) {
  return static_cast<jint>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

// The instance fields of a model class, in declaration order.
struct RT_PACKED WireFrameFields {
  jint x, y, z;    // position of the model's origin
  Ref rx, ry, rz;  // int[N]: the vertices as last rotated
  Ref sx, sy;      // int[N]: their screen points
};

// C is the model class: Fields = WireFrameFields; Statics model (int[N][3]);
// kVertices; startsStroke(i), true where no line joins vertex i-1 to i. Trig is the
// trigonometry class it uses.
template <class C, class Trig>
struct WireFrame {
  // The static vertex table, filled by setVertex.
  static Ref newModel() {
    return rt_new_ref_array(rt_class_index_by_name("[[I"), rt_class_index_by_name("[I"),
                            C::kVertices);
  }
  static void setVertex(Ref model, jint i, jint x, jint y, jint z) {
    Ref volatile v = rt_new_array(rt_class_index_by_name("[I"), 4, 3);
    rt_array_store32(v, 0, x);
    rt_array_store32(v, 1, y);
    rt_array_store32(v, 2, z);
    rt_array_store_ref(model, i, v);
  }

  // Allocates the five vertex arrays and copies the model into rx, ry, rz.
  static void init(Ref self, jint x, jint y, jint z) {
    setPosition(self, x, y, z);
    jint n = C::kVertices;
    int ints = rt_class_index_by_name("[I");
    C::f(self).rx = rt_new_array(ints, 4, n);
    C::f(self).ry = rt_new_array(ints, 4, n);
    C::f(self).rz = rt_new_array(ints, 4, n);
    C::f(self).sx = rt_new_array(ints, 4, n);
    C::f(self).sy = rt_new_array(ints, 4, n);
    Ref model = C::S().model;
    for (jint i = 0; i < n; i++) {
      Ref v = rt_array_load_ref(model, i);
      rt_array_store32(C::f(self).rx, i, rt_array_load32(v, 0));
      rt_array_store32(C::f(self).ry, i, rt_array_load32(v, 1));
      rt_array_store32(C::f(self).rz, i, rt_array_load32(v, 2));
    }
  }

  static jint worldX(Ref self, jint i) {
    return iadd(C::f(self).x, rt_array_load32(C::f(self).rx, i));
  }
  static jint worldY(Ref self, jint i) {
    return iadd(C::f(self).y, rt_array_load32(C::f(self).ry, i));
  }
  static jint worldZ(Ref self, jint i) {
    return iadd(C::f(self).z, rt_array_load32(C::f(self).rz, i));
  }

  static void setPosition(Ref self, jint x, jint y, jint z) {
    C::f(self).x = x;
    C::f(self).y = y;
    C::f(self).z = z;
  }

  // The model comes no nearer than `nearest`; there is no far limit.
  static void translate(Ref self, jint dx, jint dy, jint dz, jint nearest) {
    auto& o = C::f(self);
    o.x = iadd(o.x, dx);
    o.y = iadd(o.y, dy);
    o.z = iadd(o.z, dz);
    if (o.z >= nearest) o.z = nearest;
  }

  // Turns the model table (never the previous pose) by a about x, then b about y, then
  // c about z, degrees; every product is rounded on its own.
  static void rotate(Ref self, jint a, jint b, jint c) {
    Ref model = C::S().model;
    for (jint i = 0; i < C::kVertices; i++) {
      Ref v = rt_array_load_ref(model, i);
      jint X = rt_array_load32(v, 0), Y = rt_array_load32(v, 1), Z = rt_array_load32(v, 2);
      if (a != 0) {
        jint y = isub(Trig::cos(Y, a), Trig::sin(Z, a));
        Z = iadd(Trig::sin(Y, a), Trig::cos(Z, a));
        Y = y;
      }
      if (b != 0) {
        jint x = isub(Trig::cos(X, b), Trig::sin(Z, b));
        Z = iadd(Trig::sin(X, b), Trig::cos(Z, b));
        X = x;
      }
      if (c != 0) {
        jint x = isub(Trig::cos(X, c), Trig::sin(Y, c));
        Y = iadd(Trig::sin(X, c), Trig::cos(Y, c));
        X = x;
      }
      rt_array_store32(C::f(self).rx, i, X);
      rt_array_store32(C::f(self).ry, i, Y);
      rt_array_store32(C::f(self).rz, i, Z);
    }
  }

  // Centre (80, 80), focal length 100.
  static void project(Ref self, jint ox, jint oy, jint oz) {
    for (jint i = 0; i < C::kVertices; i++) {
      jint X = iadd(worldX(self, i), ox), Y = iadd(worldY(self, i), oy),
           Z = iadd(worldZ(self, i), oz);
      rt_array_store32(C::f(self).sx, i, iadd(80, rt_idiv(imul(X, -100), Z)));
      rt_array_store32(C::f(self).sy, i, isub(80, rt_idiv(imul(Y, -100), Z)));
    }
  }

  // The strokes, in plain black.
  static void draw(Ref self) {
    Ref sx = C::f(self).sx, sy = C::f(self).sy;
    for (jint i = 1; i < C::kVertices; i++) {
      if (C::startsStroke(i)) continue;
      com::sun::kjava::Graphics::drawLine(rt_array_load32(sx, i - 1), rt_array_load32(sy, i - 1),
                                          rt_array_load32(sx, i), rt_array_load32(sy, i),
                                          com::sun::kjava::Graphics::PLAIN);
    }
  }
};

}  // namespace apps
