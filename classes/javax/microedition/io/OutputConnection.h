// javax/microedition/io/OutputConnection
#pragma once
#include "javax/microedition/io/Connection.h"

namespace javax::microedition::io {

struct OutputConnection {
  static ClassDecl klass;
  static inline Method<Ref(Ref)> m_openOutputStream{"openOutputStream()", &klass};
  static inline Method<Ref(Ref)> m_openDataOutputStream{"openDataOutputStream()", &klass};
};

}  // namespace javax::microedition::io
