// java/lang/Runnable
#include "java/lang/Runnable.h"

namespace java::lang {

ClassDecl Runnable::klass = {
    .name = "java/lang/Runnable",
    .flags = CLS_INTERFACE,
    .methods = {abstract_method(m_run)},
};

}  // namespace java::lang
