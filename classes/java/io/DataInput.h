// java/io/DataInput
#pragma once
#include "java/lang/Object.h"

namespace java::io {

struct DataInput {
  static ClassDecl klass;
  static inline Method<jint(Ref)> m_readInt{"readInt()", &klass};
};

}  // namespace java::io
