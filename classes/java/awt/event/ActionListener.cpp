// java/awt/event/ActionListener
#include "java/awt/event/ActionListener.h"

namespace java::awt::event {

ClassDecl ActionListener::klass = {
    .name = "java/awt/event/ActionListener",
    .flags = CLS_INTERFACE,
    .methods = {abstract_method(m_actionPerformed)},
    .uses = {&java::lang::Object::klass},
};

}  // namespace java::awt::event
