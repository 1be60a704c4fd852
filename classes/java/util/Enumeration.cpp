// java/util/Enumeration
#include "java/util/Enumeration.h"

namespace java::util {

ClassDecl Enumeration::klass = {
    .name = "java/util/Enumeration",
    .flags = CLS_INTERFACE,
    .methods = {abstract_method(m_hasMoreElements), abstract_method(m_nextElement)},
    .uses = {&java::lang::Object::klass},
};

}  // namespace java::util
