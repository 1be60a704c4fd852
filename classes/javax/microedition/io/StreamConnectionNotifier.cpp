// javax/microedition/io/StreamConnectionNotifier
#include "javax/microedition/io/StreamConnectionNotifier.h"

namespace javax::microedition::io {

ClassDecl StreamConnectionNotifier::klass = {
    .name = "javax/microedition/io/StreamConnectionNotifier",
    .interfaces = {&Connection::klass},
    .flags = CLS_INTERFACE,
    .methods = {abstract_method(m_acceptAndOpen)},
};

}  // namespace javax::microedition::io
