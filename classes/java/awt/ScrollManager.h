// java/awt/ScrollManager
#pragma once
#include "java/lang/Object.h"

namespace java::awt {

// The viewport of a scrolling component (List, ScrollPane): its border insets, the scroll
// bars that appear when the content outgrows the viewport, and the scroll offsets.
struct ScrollManager {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref owner;   // java/awt/Component
    Ref clip;    // java/awt/Rectangle, reused for every paint
    Ref insets;  // java/awt/Insets of the owner's border
    Ref hbar;    // java/awt/Scrollbar or null
    Ref vbar;
    jint viewWidth;
    jint viewHeight;
    jint hOffset;
    jint vOffset;
    jshort barsChanged;  // a bar came or went since the last paint
  };
  JAVA_FIELDS(java::lang::Object)

  // java/awt/event/AdjustmentListener, for the bars.

  static void init(Ref self, Ref owner, jint borderStyle);
  static void setContentSize(Ref self, jint width, jint height);
  // Paints the border and bars when g's clip reaches outside the viewport, then clips and
  // translates g to the content; returns the clip in content coordinates (the reused
  // rectangle).
  static Ref paint(Ref self, Ref g, jint borderStyle);
  static Ref hitTest(Ref self, jint x, jint y);
  static jint getHOffset(Ref self);  // the bars' values, 0 without a bar
  static jint getVOffset(Ref self);
  static void scrollTo(Ref self, jint hOffset, jint vOffset);  // clamped by the bars
  static void adjustmentValueChanged(Ref self, Ref e);
};

}  // namespace java::awt
