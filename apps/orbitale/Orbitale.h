// Orbitale: the periodic table's frame, its Options menu, and the program's entry.
#pragma once
#include "java/awt/Frame.h"

namespace orbitale {

struct Orbitale {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref left;   // TableSection1
    Ref right;  // TableSection2
  };
  JAVA_FIELDS(java::awt::Frame)
  struct Statics {
    Ref frame;
  };
  JAVA_STATICS

  static void main(Ref args);
  static void init(Ref self);
  static void actionPerformed(Ref self, Ref e);
};

}  // namespace orbitale
