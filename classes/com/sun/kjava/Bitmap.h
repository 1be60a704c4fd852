// com/sun/kjava/Bitmap
#pragma once
#include "java/lang/Object.h"

namespace com::sun::kjava {

struct Bitmap {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref data;  // short[]: width, height, bytes per row, flags, four more header words, rows
  };
  JAVA_FIELDS(java::lang::Object)

  static void init(Ref self, Ref data);
};

}  // namespace com::sun::kjava
