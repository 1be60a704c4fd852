// javax/microedition/io/Connection
#include "javax/microedition/io/Connection.h"

namespace javax::microedition::io {

ClassDecl Connection::klass = {
    .name = "javax/microedition/io/Connection",
    .flags = CLS_INTERFACE,
    .methods = {abstract_method(m_close)},
};

}  // namespace javax::microedition::io
