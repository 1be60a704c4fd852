// com/sun/cldc/io/ConnectionBaseInterface
#include "com/sun/cldc/io/ConnectionBaseInterface.h"

namespace com::sun::cldc::io {

ClassDecl ConnectionBaseInterface::klass = {
    .name = "com/sun/cldc/io/ConnectionBaseInterface",
    .flags = CLS_INTERFACE,
    .methods = {abstract_method(m_openPrim)},
};

}  // namespace com::sun::cldc::io
