// java/awt/event/ItemEvent
#pragma once
#include "java/awt/AWTEvent.h"

namespace java::awt::event {

struct ItemEvent {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref item;
    jint stateChange;
  };
  JAVA_FIELDS(java::awt::AWTEvent)

  static constexpr jint ITEM_STATE_CHANGED = 1793;
  static constexpr jint SELECTED = 1;
  static constexpr jint DESELECTED = 2;

  static void init(Ref self, Ref source, jint id, Ref item, jint stateChange);
  static Ref getItem(Ref self);
  static jint getStateChange(Ref self);
};

}  // namespace java::awt::event
