// java/awt/event/MouseListener
#include "java/awt/event/MouseListener.h"

namespace java::awt::event {

ClassDecl MouseListener::klass = {
    .name = "java/awt/event/MouseListener",
    .flags = CLS_INTERFACE,
    .methods = {abstract_method(m_mouseClicked), abstract_method(m_mousePressed),
                abstract_method(m_mouseReleased), abstract_method(m_mouseEntered),
                abstract_method(m_mouseExited)},
    .uses = {&java::lang::Object::klass},
};

}  // namespace java::awt::event
