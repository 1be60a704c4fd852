// java/awt/event/KeyEvent
#include "java/awt/event/KeyEvent.h"

namespace java::awt::event {

ClassDecl KeyEvent::klass = {
    .name = "java/awt/event/KeyEvent",
    .super = &InputEvent::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .uses = {&java::awt::event::InputEvent::klass},
};

void KeyEvent::init(Ref self, Ref source, jint id, jlong when, jint modifiers, jint keyCode,
                    jchar keyChar) {
  InputEvent::init(self, source, id, when, modifiers);
  f(self).keyCode = keyCode;
  f(self).keyChar = keyChar;
}

jint KeyEvent::getKeyCode(Ref self) { return f(nn(self)).keyCode; }

jchar KeyEvent::getKeyChar(Ref self) { return f(nn(self)).keyChar; }

}  // namespace java::awt::event
