// TextBox: lines of text wrapped at blanks to the box's width, with a scroll bar when they
// do not fit its height.
#pragma once
#include "java/awt/Panel.h"

namespace orbitale {

struct TextBox {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref lines;   // String[], the wrapped display lines
    jint first;  // the first visible line
    jint boxWidth;
    jint boxHeight;
    Ref scrollbar;  // java/awt/Scrollbar or null
  };
  JAVA_FIELDS(java::awt::Panel)

  static constexpr jint MAX_LINES = 35;
  static constexpr jint BAR_WIDTH = 8;

  static void init(Ref self, jint x, jint y, jint width, jint height);
  static void setLines(Ref self, Ref lines);
  static Ref wrap(Ref self, Ref lines, jint width);
  static void adjustmentValueChanged(Ref self, Ref e);
  static void paint(Ref self, Ref g);
};

}  // namespace orbitale
