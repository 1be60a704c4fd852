// java/lang/System
#pragma once
#include "java/lang/Object.h"

namespace java::lang {

struct System {
  static ClassDecl klass;
  JAVA_NO_FIELDS(Object)
  struct Statics {
    Ref out;  // java/io/PrintStream over "debug:"
    Ref err;  // the same stream
  };
  JAVA_STATICS

  static void staticInit();
  static jlong currentTimeMillis();
  static void arraycopy(Ref src, jint srcPos, Ref dst, jint dstPos, jint length);
  static jint identityHashCode(Ref x);
  static Ref getProperty(Ref key);
  static void exit(jint status);
  static void gc();
};

}  // namespace java::lang
