// java/io/DataOutput
#include "java/io/DataOutput.h"

namespace java::io {

ClassDecl DataOutput::klass = {
    .name = "java/io/DataOutput",
    .flags = CLS_INTERFACE,
    .methods = {abstract_method(m_write), abstract_method(m_writeInt)},
};

}  // namespace java::io
