// java/lang/Runtime
#pragma once
#include "java/lang/Object.h"

namespace java::lang {

struct Runtime {
  static ClassDecl klass;
  JAVA_NO_FIELDS(Object)
  struct Statics {
    Ref currentRuntime;
  };
  JAVA_STATICS

  static void staticInit();
  static void init(Ref self);
  static Ref getRuntime();
  static void exit(Ref self, jint status);
  static jlong freeMemory(Ref self);
  static jlong totalMemory(Ref self);
  static void gc(Ref self);
};

}  // namespace java::lang
