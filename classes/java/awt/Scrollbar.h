// java/awt/Scrollbar
#pragma once
#include "java/awt/Component.h"

namespace java::awt {

// Arrows at both ends, a track and a thumb; values run from minimum to maximum - visible.
struct Scrollbar {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint orientation;
    jint value;
    jint visible;
    jint minimum;
    jint maximum;
    jint unitIncrement;
    Ref adjustmentListener;
    jbool dragging;    // the pen went down on the thumb
    jint pressedPart;  // the arrow held down: 1 the far one, 2 the near one, else 0
  };
  JAVA_FIELDS(Component)

  static constexpr jint HORIZONTAL = 0;
  static constexpr jint VERTICAL = 1;

  static void init(Ref self);
  static void init(Ref self, jint orientation);
  static void init(Ref self, jint orientation, jint value, jint visible, jint minimum,
                   jint maximum);
  static jint getOrientation(Ref self);
  static jint getValue(Ref self);
  static void setValue(Ref self, jint value);
  static jint getMinimum(Ref self);
  static jint getMaximum(Ref self);
  static void setMaximum(Ref self, jint maximum);
  static jint getVisibleAmount(Ref self);
  static void setVisibleAmount(Ref self, jint visible);
  static jint getUnitIncrement(Ref self);
  static void setUnitIncrement(Ref self, jint increment);
  static jint getBlockIncrement(Ref self);
  static void setValues(Ref self, jint value, jint visible, jint minimum, jint maximum);
  static void addAdjustmentListener(Ref self, Ref l);
  static void removeAdjustmentListener(Ref self, Ref l);
  static Ref getPreferredSize(Ref self);
  static void paint(Ref self, Ref g);
  static void dispatchMouseEvent(Ref self, Ref e);
};

}  // namespace java::awt
