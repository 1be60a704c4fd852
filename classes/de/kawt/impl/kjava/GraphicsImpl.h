// de/kawt/impl/kjava/GraphicsImpl
#pragma once
#include "java/awt/Graphics.h"

namespace de::kawt::impl::kjava {

// Toolkit drawing as palm drawing calls; the clip is in screen coordinates, the origin is
// added to every user coordinate.
struct GraphicsImpl {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint mode;  // palm drawing mode word
    jint translateX;
    jint translateY;
    Ref color;
    jbool xorMode;
    Ref fontMetrics;  // de/kawt/impl/kjava/FontMetricsImpl
    jint clipX;
    jint clipY;
    jint clipWidth;
    jint clipHeight;
  };
  JAVA_FIELDS(java::awt::Graphics)
  struct Statics {
    jbool mono;
    jbool colorAvailable;
  };
  JAVA_STATICS

  static void staticInit();
  static void init(Ref self);
  static Ref create(Ref self);
  static void translate(Ref self, jint x, jint y);
  static void clipRect(Ref self, jint x, jint y, jint w, jint h);
  static void setClip(Ref self, jint x, jint y, jint w, jint h);
  static Ref getClipBounds(Ref self);
  static Ref getClipBoundsInto(Ref self, Ref r);
  static jbool hitClip(Ref self, jint x, jint y, jint w, jint h);
  static void setColor(Ref self, Ref c);
  static Ref getColor(Ref self);
  static void setXORMode(Ref self, Ref c);
  static void setPaintMode(Ref self);
  static void setFont(Ref self, Ref font);
  static Ref getFont(Ref self);
  static Ref getFontMetrics(Ref self);
  static Ref getFontMetricsOf(Ref self, Ref font);
  static void drawLine(Ref self, jint x1, jint y1, jint x2, jint y2);
  static void drawPolyline(Ref self, Ref xs, Ref ys, jint n);
  static void drawRect(Ref self, jint x, jint y, jint w, jint h);
  static void drawRoundRect(Ref self, jint x, jint y, jint w, jint h, jint aw, jint ah);
  static void drawOval(Ref self, jint x, jint y, jint w, jint h);
  static void fillRect(Ref self, jint x, jint y, jint w, jint h);
  static void fillRoundRect(Ref self, jint x, jint y, jint w, jint h, jint aw, jint ah);
  static void clearRect(Ref self, jint x, jint y, jint w, jint h);
  static void drawString(Ref self, Ref s, jint x, jint y);
  static jbool drawImage(Ref self, Ref img, jint x, jint y, Ref observer);
  static void dispose(Ref self);
};

}  // namespace de::kawt::impl::kjava
