// java/awt/event/FocusEvent
#pragma once
#include "java/awt/AWTEvent.h"

namespace java::awt::event {

struct FocusEvent {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::awt::AWTEvent)

  static constexpr jint FOCUS_GAINED = 1004;
  static constexpr jint FOCUS_LOST = 1005;

  static void init(Ref self, Ref source, jint id);
};

}  // namespace java::awt::event
