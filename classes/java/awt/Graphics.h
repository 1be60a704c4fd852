// java/awt/Graphics
#pragma once
#include "java/lang/Object.h"

namespace java::awt {

// Abstract drawing surface; the platform's subclass is made by Toolkit::createGraphics.
// Every operation is called through its slot: vcall(Graphics::m_fillRect, g, x, y, w, h).
struct Graphics {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::lang::Object)

  static inline Method<Ref(Ref)> m_create{"create()", &klass};
  static inline Method<void(Ref, jint, jint)> m_translate{"translate(II)", &klass};
  static inline Method<void(Ref, jint, jint, jint, jint)> m_clipRect{"clipRect(IIII)", &klass};
  static inline Method<void(Ref, jint, jint, jint, jint)> m_setClip{"setClip(IIII)", &klass};
  static inline Method<Ref(Ref)> m_getClipBounds{"getClipBounds()", &klass};
  static inline Method<Ref(Ref, Ref)> m_getClipBoundsInto{"getClipBounds(Ljava/awt/Rectangle;)",
                                                          &klass};
  static inline Method<jbool(Ref, jint, jint, jint, jint)> m_hitClip{"hitClip(IIII)", &klass};
  static inline Method<void(Ref, Ref)> m_setColor{"setColor(Ljava/awt/Color;)", &klass};
  static inline Method<Ref(Ref)> m_getColor{"getColor()", &klass};
  static inline Method<void(Ref, Ref)> m_setXORMode{"setXORMode(Ljava/awt/Color;)", &klass};
  static inline Method<void(Ref)> m_setPaintMode{"setPaintMode()", &klass};
  static inline Method<void(Ref, Ref)> m_setFont{"setFont(Ljava/awt/Font;)", &klass};
  static inline Method<Ref(Ref)> m_getFont{"getFont()", &klass};
  static inline Method<Ref(Ref)> m_getFontMetrics{"getFontMetrics()", &klass};
  static inline Method<Ref(Ref, Ref)> m_getFontMetricsOf{"getFontMetrics(Ljava/awt/Font;)", &klass};
  static inline Method<void(Ref, jint, jint, jint, jint)> m_drawLine{"drawLine(IIII)", &klass};
  static inline Method<void(Ref, Ref, Ref, jint)> m_drawPolyline{"drawPolyline([I[II)", &klass};
  static inline Method<void(Ref, jint, jint, jint, jint)> m_drawRect{"drawRect(IIII)", &klass};
  static inline Method<void(Ref, jint, jint, jint, jint, jint, jint)> m_drawRoundRect{
      "drawRoundRect(IIIIII)", &klass};
  static inline Method<void(Ref, jint, jint, jint, jint)> m_drawOval{"drawOval(IIII)", &klass};
  static inline Method<void(Ref, jint, jint, jint, jint)> m_fillRect{"fillRect(IIII)", &klass};
  static inline Method<void(Ref, jint, jint, jint, jint, jint, jint)> m_fillRoundRect{
      "fillRoundRect(IIIIII)", &klass};
  static inline Method<void(Ref, jint, jint, jint, jint)> m_clearRect{"clearRect(IIII)", &klass};
  static inline Method<void(Ref, Ref, jint, jint)> m_drawString{"drawString(Ljava/lang/String;II)",
                                                                &klass};
  static inline Method<jbool(Ref, Ref, jint, jint, Ref)> m_drawImage{
      "drawImage(Ljava/awt/Image;IILjava/awt/image/ImageObserver;)", &klass};
  static inline Method<void(Ref)> m_dispose{"dispose()", &klass};

  static void init(Ref self);
  // create(x, y, w, h): create(), translate(x, y), clipRect(0, 0, w, h).
  static Ref create(Ref self, jint x, jint y, jint width, jint height);
};

}  // namespace java::awt
