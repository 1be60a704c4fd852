// javax/microedition/io/StreamConnectionNotifier
#include "javax/microedition/io/StreamConnectionNotifier.h"

namespace javax::microedition::io {

ClassDecl StreamConnectionNotifier::klass = {
    .name = "javax/microedition/io/StreamConnectionNotifier",
    .interfaces = {&Connection::klass},
    .flags = CLS_INTERFACE,
    .methods = {abstract_method(m_acceptAndOpen)},
    .uses = {&javax::microedition::io::Connection::klass},
};

}  // namespace javax::microedition::io
