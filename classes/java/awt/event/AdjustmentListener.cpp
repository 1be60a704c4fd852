// java/awt/event/AdjustmentListener
#include "java/awt/event/AdjustmentListener.h"

namespace java::awt::event {

ClassDecl AdjustmentListener::klass = {
    .name = "java/awt/event/AdjustmentListener",
    .flags = CLS_INTERFACE,
    .methods = {abstract_method(m_adjustmentValueChanged)},
    .uses = {&java::lang::Object::klass},
};

}  // namespace java::awt::event
