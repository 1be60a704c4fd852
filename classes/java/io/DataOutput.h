// java/io/DataOutput
#pragma once
#include "java/lang/Object.h"

namespace java::io {

struct DataOutput {
  static ClassDecl klass;
  static inline Method<void(Ref, jint)> m_write{"write(I)", &klass};
  static inline Method<void(Ref, jint)> m_writeInt{"writeInt(I)", &klass};
};

}  // namespace java::io
