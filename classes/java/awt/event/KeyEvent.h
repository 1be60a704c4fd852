// java/awt/event/KeyEvent
#pragma once
#include "java/awt/event/InputEvent.h"

namespace java::awt::event {

struct KeyEvent {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint keyCode;
    jchar keyChar;
  };
  JAVA_FIELDS(InputEvent)

  static constexpr jint KEY_TYPED = 256;
  static constexpr jint KEY_PRESSED = 257;
  static constexpr jint KEY_RELEASED = 258;

  static constexpr jint VK_CANCEL = 3;
  static constexpr jint VK_BACK_SPACE = 8;
  static constexpr jint VK_TAB = 9;
  static constexpr jint VK_ENTER = 10;
  static constexpr jint VK_ACCEPT = 30;
  static constexpr jint VK_SPACE = 32;
  static constexpr jint VK_PAGE_UP = 33;
  static constexpr jint VK_PAGE_DOWN = 34;
  static constexpr jint VK_LEFT = 37;
  static constexpr jint VK_UP = 38;
  static constexpr jint VK_RIGHT = 39;
  static constexpr jint VK_DOWN = 40;
  static constexpr jint VK_MENU = 65482;  // the palm menu key

  static void init(Ref self, Ref source, jint id, jlong when, jint modifiers, jint keyCode,
                   jchar keyChar);
  static jint getKeyCode(Ref self);
  static jchar getKeyChar(Ref self);
};

}  // namespace java::awt::event
