// com/sun/kjava/Button
#pragma once
#include "java/lang/Object.h"

namespace com::sun::kjava {

// A labelled push button; the application's pen handlers ask it whether it was hit.
struct Button {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint x;
    jint y;
    Ref text;
    Ref bitmap;  // com/sun/kjava/Bitmap, painted when text is null
    jint width;
    jint height;
    jint textWidth;
    jint frameType;
    jbool enabled;
  };
  JAVA_FIELDS(java::lang::Object)

  static inline Method<void(Ref, Ref)> m_setText{"setText(Ljava/lang/String;)", &klass};
  static Operations relabelling;  // setText(String): only programs that name it carry it
  static inline Method<void(Ref)> m_paint{"paint()", &klass};
  static inline Method<jbool(Ref, jint, jint)> m_pressed{"pressed(II)", &klass};

  static void init(Ref self, Ref text, jint x, jint y);
  static void setText(Ref self, Ref text);
  static void paint(Ref self);
  static jbool pressed(Ref self, jint x, jint y);
};

}  // namespace com::sun::kjava
