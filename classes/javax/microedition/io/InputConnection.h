// javax/microedition/io/InputConnection
#pragma once
#include "javax/microedition/io/Connection.h"

namespace javax::microedition::io {

struct InputConnection {
  static ClassDecl klass;
  static inline Method<Ref(Ref)> m_openInputStream{"openInputStream()", &klass};
  static inline Method<Ref(Ref)> m_openDataInputStream{"openDataInputStream()", &klass};
};

}  // namespace javax::microedition::io
