// javax/microedition/io/StreamConnection
#pragma once
#include "javax/microedition/io/InputConnection.h"
#include "javax/microedition/io/OutputConnection.h"

namespace javax::microedition::io {

struct StreamConnection {
  static ClassDecl klass;
};

}  // namespace javax::microedition::io
