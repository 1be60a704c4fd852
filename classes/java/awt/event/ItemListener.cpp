// java/awt/event/ItemListener
#include "java/awt/event/ItemListener.h"

namespace java::awt::event {

ClassDecl ItemListener::klass = {
    .name = "java/awt/event/ItemListener",
    .flags = CLS_INTERFACE,
    .methods = {abstract_method(m_itemStateChanged)},
    .uses = {&java::lang::Object::klass},
};

}  // namespace java::awt::event
