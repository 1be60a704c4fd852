// javax/microedition/io/ConnectionNotFoundException
#pragma once
#include "java/io/IOException.h"

namespace javax::microedition::io {
JAVA_EXCEPTION_CLASS(ConnectionNotFoundException, java::io::IOException)
}  // namespace javax::microedition::io
