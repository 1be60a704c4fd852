// java/io/DataInput
#include "java/io/DataInput.h"

namespace java::io {

ClassDecl DataInput::klass = {
    .name = "java/io/DataInput",
    .flags = CLS_INTERFACE,
    .methods = {abstract_method(m_readInt)},
};

}  // namespace java::io
