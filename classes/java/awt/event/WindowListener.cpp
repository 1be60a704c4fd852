// java/awt/event/WindowListener
#include "java/awt/event/WindowListener.h"

namespace java::awt::event {

ClassDecl WindowListener::klass = {
    .name = "java/awt/event/WindowListener",
    .flags = CLS_INTERFACE,
    .methods = {abstract_method(m_windowOpened), abstract_method(m_windowClosing),
                abstract_method(m_windowClosed), abstract_method(m_windowIconified),
                abstract_method(m_windowDeiconified), abstract_method(m_windowActivated),
                abstract_method(m_windowDeactivated)},
    .uses = {&java::lang::Object::klass},
};

}  // namespace java::awt::event
