// javax/microedition/io/StreamConnectionNotifier
#pragma once
#include "javax/microedition/io/Connection.h"

namespace javax::microedition::io {

struct StreamConnectionNotifier {
  static ClassDecl klass;
  static inline Method<Ref(Ref)> m_acceptAndOpen{"acceptAndOpen()", &klass};
};

}  // namespace javax::microedition::io
