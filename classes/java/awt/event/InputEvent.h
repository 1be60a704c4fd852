// java/awt/event/InputEvent
#pragma once
#include "java/awt/AWTEvent.h"

namespace java::awt::event {

struct InputEvent {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::awt::AWTEvent)

  static void init(Ref self, Ref source, jint id, jlong when, jint modifiers);
};

}  // namespace java::awt::event
