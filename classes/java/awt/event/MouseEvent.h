// java/awt/event/MouseEvent
#pragma once
#include "java/awt/event/InputEvent.h"

namespace java::awt::event {

struct MouseEvent {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint x;
    jint y;
  };
  JAVA_FIELDS(InputEvent)

  static constexpr jint MOUSE_CLICKED = 500;
  static constexpr jint MOUSE_PRESSED = 501;
  static constexpr jint MOUSE_RELEASED = 502;
  static constexpr jint MOUSE_DRAGGED = 506;

  static void init(Ref self, Ref source, jint id, jlong when, jint modifiers, jint x, jint y,
                   jint clickCount, jbool popupTrigger);
  static jint getX(Ref self);
  static jint getY(Ref self);
  static void translatePoint(Ref self, jint dx, jint dy);
};

}  // namespace java::awt::event
