// java/awt/event/KeyEvent
#pragma once
#include "java/awt/event/InputEvent.h"

// Win32's headers define some of these names as macros; they are set aside here.
#pragma push_macro("VK_CANCEL")
#undef VK_CANCEL
#pragma push_macro("VK_TAB")
#undef VK_TAB
#pragma push_macro("VK_ACCEPT")
#undef VK_ACCEPT
#pragma push_macro("VK_SPACE")
#undef VK_SPACE
#pragma push_macro("VK_LEFT")
#undef VK_LEFT
#pragma push_macro("VK_UP")
#undef VK_UP
#pragma push_macro("VK_RIGHT")
#undef VK_RIGHT
#pragma push_macro("VK_DOWN")
#undef VK_DOWN
#pragma push_macro("VK_MENU")
#undef VK_MENU

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

#pragma pop_macro("VK_CANCEL")
#pragma pop_macro("VK_TAB")
#pragma pop_macro("VK_ACCEPT")
#pragma pop_macro("VK_SPACE")
#pragma pop_macro("VK_LEFT")
#pragma pop_macro("VK_UP")
#pragma pop_macro("VK_RIGHT")
#pragma pop_macro("VK_DOWN")
#pragma pop_macro("VK_MENU")
