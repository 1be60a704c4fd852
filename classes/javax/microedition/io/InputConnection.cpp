// javax/microedition/io/InputConnection
#include "javax/microedition/io/InputConnection.h"

namespace javax::microedition::io {

ClassDecl InputConnection::klass = {
    .name = "javax/microedition/io/InputConnection",
    .interfaces = {&Connection::klass},
    .flags = CLS_INTERFACE,
    .methods = {abstract_method(m_openInputStream), abstract_method(m_openDataInputStream)},
    .uses = {&javax::microedition::io::Connection::klass},
};

}  // namespace javax::microedition::io
