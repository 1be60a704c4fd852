// javax/microedition/io/Connection
#pragma once
#include "java/lang/Object.h"

namespace javax::microedition::io {

struct Connection {
  static ClassDecl klass;
  static inline Method<void(Ref)> m_close{"close()", &klass};
};

}  // namespace javax::microedition::io
