// javax/microedition/io/DatagramConnection
#include "javax/microedition/io/DatagramConnection.h"

namespace javax::microedition::io {

ClassDecl DatagramConnection::klass = {
    .name = "javax/microedition/io/DatagramConnection",
    .interfaces = {&Connection::klass},
    .flags = CLS_INTERFACE,
    .uses = {&javax::microedition::io::Connection::klass},
};

}  // namespace javax::microedition::io
