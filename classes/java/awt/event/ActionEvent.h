// java/awt/event/ActionEvent
#pragma once
#include "java/awt/AWTEvent.h"

namespace java::awt::event {

struct ActionEvent {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref actionCommand;
  };
  JAVA_FIELDS(java::awt::AWTEvent)

  static constexpr jint ACTION_PERFORMED = 1001;

  static void init(Ref self, Ref source, jint id, Ref command);
  static Ref getActionCommand(Ref self);
};

}  // namespace java::awt::event
