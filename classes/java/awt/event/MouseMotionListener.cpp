// java/awt/event/MouseMotionListener
#include "java/awt/event/MouseMotionListener.h"

namespace java::awt::event {

ClassDecl MouseMotionListener::klass = {
    .name = "java/awt/event/MouseMotionListener",
    .flags = CLS_INTERFACE,
    .methods = {abstract_method(m_mouseDragged), abstract_method(m_mouseMoved)},
    .uses = {&java::lang::Object::klass},
};

}  // namespace java::awt::event
