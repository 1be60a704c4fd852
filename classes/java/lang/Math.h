// java/lang/Math
#pragma once
#include "java/lang/Object.h"

namespace java::lang {

struct Math {
  static ClassDecl klass;
  JAVA_NO_FIELDS(Object)

  static jint abs(jint a);
  static jlong abs(jlong a);
  static jint max(jint a, jint b);
  static jlong max(jlong a, jlong b);
  static jint min(jint a, jint b);
  static jlong min(jlong a, jlong b);
};

}  // namespace java::lang
