// javax/microedition/io/OutputConnection
#include "javax/microedition/io/OutputConnection.h"

namespace javax::microedition::io {

ClassDecl OutputConnection::klass = {
    .name = "javax/microedition/io/OutputConnection",
    .interfaces = {&Connection::klass},
    .flags = CLS_INTERFACE,
    .methods = {abstract_method(m_openOutputStream), abstract_method(m_openDataOutputStream)},
    .uses = {&javax::microedition::io::Connection::klass},
};

}  // namespace javax::microedition::io
