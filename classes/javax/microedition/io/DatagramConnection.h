// javax/microedition/io/DatagramConnection
#pragma once
#include "javax/microedition/io/Connection.h"

namespace javax::microedition::io {

struct DatagramConnection {
  static ClassDecl klass;
};

}  // namespace javax::microedition::io
