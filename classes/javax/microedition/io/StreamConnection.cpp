// javax/microedition/io/StreamConnection
#include "javax/microedition/io/StreamConnection.h"

namespace javax::microedition::io {

ClassDecl StreamConnection::klass = {
    .name = "javax/microedition/io/StreamConnection",
    .interfaces = {&InputConnection::klass, &OutputConnection::klass},
    .flags = CLS_INTERFACE,
    .uses = {&javax::microedition::io::InputConnection::klass,
             &javax::microedition::io::OutputConnection::klass},
};

}  // namespace javax::microedition::io
