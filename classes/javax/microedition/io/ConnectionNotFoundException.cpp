// javax/microedition/io/ConnectionNotFoundException
#include "javax/microedition/io/ConnectionNotFoundException.h"

namespace javax::microedition::io {
JAVA_EXCEPTION_BODY(ConnectionNotFoundException, java::io::IOException,
                    "javax/microedition/io/ConnectionNotFoundException")
}  // namespace javax::microedition::io
