// javax/microedition/io/Connector
#pragma once
#include "java/lang/Object.h"

namespace javax::microedition::io {

struct Connector {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::lang::Object)
  struct Statics {
    uintptr_t microEdition;
    Ref platform;
    Ref classRoot;
  };
  JAVA_STATICS

  static constexpr jint READ = 1;
  static constexpr jint WRITE = 2;
  static constexpr jint READ_WRITE = 3;

  static void staticInit();
  static Ref open(Ref name);
  static Ref open(Ref name, jint mode);
  static Ref open(Ref name, jint mode, jbool timeouts);
  static Ref openDataInputStream(Ref name);
  static Ref openDataOutputStream(Ref name);
  static Ref openInputStream(Ref name);
  static Ref openOutputStream(Ref name);
};

}  // namespace javax::microedition::io
