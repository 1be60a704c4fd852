// de/kawt/impl/Laf
#pragma once
#include "java/lang/Object.h"

namespace de::kawt::impl {

// The look and feel: draws into a graphics in the component's coordinates and leaves its
// colour as it found it. Get it with java::awt::Toolkit::getLaf().
struct Laf {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint borderWidth;
    jint arrowSize;
  };
  JAVA_FIELDS(java::lang::Object)

  static constexpr jint WINDOW = 0;  // getInsets kinds
  static constexpr jint TITLED_FRAME = 1;

  // (g, background, w, h, label, focus, pressed)
  static inline Method<void(Ref, Ref, Ref, jint, jint, Ref, jbool, jbool)> m_paintButton{
      "paintButton(Ljava/awt/Graphics;Ljava/awt/Color;IILjava/lang/String;ZZ)", &klass};
  // (g, colour, x, y, text, inverted)
  static inline Method<void(Ref, Ref, Ref, jint, jint, Ref, jbool)> m_drawLabel{
      "drawLabel(Ljava/awt/Graphics;Ljava/awt/Color;IILjava/lang/String;Z)", &klass};
  // (g, width, height, style, title, highlighted)
  static inline Method<void(Ref, Ref, jint, jint, jint, Ref, jbool)> m_paintFrame{
      "paintFrame(Ljava/awt/Graphics;IIILjava/lang/String;Z)", &klass};
  // (g, colour, w, h, style)
  static inline Method<void(Ref, Ref, Ref, jint, jint, jint)> m_paintBorder{
      "paintBorder(Ljava/awt/Graphics;Ljava/awt/Color;III)", &klass};
  static inline Method<Ref(Ref, jint)> m_getBorderInsets{"getBorderInsets(I)", &klass};
  static inline Method<Ref(Ref, jint)> m_getInsets{"getInsets(I)", &klass};
  // (g, colour, x, y, direction 1 up 2 down 3 left 4 right, inverted)
  static inline Method<void(Ref, Ref, Ref, jint, jint, jint, jbool)> m_drawArrow{
      "drawArrow(Ljava/awt/Graphics;Ljava/awt/Color;IIIZ)", &klass};
  // (g, background, w, h, vertical, thumb position, thumb size, pressed part, focus)
  static inline Method<void(Ref, Ref, Ref, jint, jint, jbool, jint, jint, jint, jbool)>
      m_paintScrollbar{"paintScrollbar(Ljava/awt/Graphics;Ljava/awt/Color;IIZIIIZ)", &klass};
  static inline Method<Ref(Ref, Ref, Ref)> m_buttonSize{
      "buttonSize(Ljava/awt/FontMetrics;Ljava/lang/String;)", &klass};
  static inline Method<Ref(Ref)> m_checkboxSize{"checkboxSize()", &klass};
  static inline Method<Ref(Ref, jint)> m_scrollbarSize{"scrollbarSize(I)", &klass};

  static void init(Ref self);
  static jint getArrowSize(Ref self);
  static void paintButton(Ref self, Ref g, Ref background, jint w, jint h, Ref label, jbool focus,
                          jbool pressed);
  static void drawLabel(Ref self, Ref g, Ref color, jint x, jint y, Ref text, jbool inverted);
  static void paintFrame(Ref self, Ref g, jint width, jint height, jint style, Ref title,
                         jbool highlighted);
  static void paintBorder(Ref self, Ref g, Ref color, jint w, jint h, jint style);
  static Ref getBorderInsets(Ref self, jint style);
  static Ref getInsets(Ref self, jint kind);
  static void drawArrow(Ref self, Ref g, Ref color, jint x, jint y, jint direction, jbool inverted);
  static void paintScrollbar(Ref self, Ref g, Ref background, jint w, jint h, jbool vertical,
                             jint thumbPos, jint thumbSize, jint pressedPart, jbool focus);
  static Ref buttonSize(Ref self, Ref metrics, Ref label);
  static Ref checkboxSize(Ref self);
  static Ref scrollbarSize(Ref self, jint vertical);
};

}  // namespace de::kawt::impl
