// java/awt/event/KeyListener
#include "java/awt/event/KeyListener.h"

namespace java::awt::event {

ClassDecl KeyListener::klass = {
    .name = "java/awt/event/KeyListener",
    .flags = CLS_INTERFACE,
    .methods = {abstract_method(m_keyTyped), abstract_method(m_keyPressed),
                abstract_method(m_keyReleased)},
    .uses = {&java::lang::Object::klass},
};

}  // namespace java::awt::event
