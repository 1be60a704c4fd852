// java/awt/event/AdjustmentEvent
#pragma once
#include "java/awt/AWTEvent.h"

namespace java::awt::event {

struct AdjustmentEvent {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint adjustmentType;
    jint value;
  };
  JAVA_FIELDS(java::awt::AWTEvent)

  static constexpr jint ADJUSTMENT_VALUE_CHANGED = 601;
  static constexpr jint UNIT_INCREMENT = 1;
  static constexpr jint UNIT_DECREMENT = 2;
  static constexpr jint BLOCK_DECREMENT = 3;
  static constexpr jint BLOCK_INCREMENT = 4;
  static constexpr jint TRACK = 5;

  static void init(Ref self, Ref source, jint id, jint type, jint value);
  static jint getAdjustmentType(Ref self);
  static jint getValue(Ref self);
};

}  // namespace java::awt::event
