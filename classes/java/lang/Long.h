// java/lang/Long
#pragma once
#include "java/lang/Object.h"

namespace java::lang {

struct Long {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jlong value;
  };
  JAVA_FIELDS(Object)

  static constexpr jlong MIN_VALUE = INT64_MIN;
  static constexpr jlong MAX_VALUE = INT64_MAX;

  static Ref toString(jlong i, jint radix);
  static Ref toString(jlong i);
  static jlong parseLong(Ref s, jint radix);
  static jlong parseLong(Ref s);
  static void init(Ref self, jlong value);
  static jlong longValue(Ref self);
  static Ref toString(Ref self);
  static jint hashCode(Ref self);
  static jbool equals(Ref self, Ref obj);
};

}  // namespace java::lang
