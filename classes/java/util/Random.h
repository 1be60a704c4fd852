// java/util/Random
#pragma once
#include "java/lang/Object.h"

namespace java::util {

struct Random {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jlong seed;  // the low 48 bits are used
  };
  JAVA_FIELDS(java::lang::Object)

  static inline Method<void(Ref, jlong)> m_setSeed{"setSeed(J)", &klass};
  static inline Method<jint(Ref, jint)> m_next{"next(I)", &klass};
  static inline Method<jint(Ref)> m_nextInt{"nextInt()", &klass};
  static inline Method<jlong(Ref)> m_nextLong{"nextLong()", &klass};

  static void init(Ref self);
  static void init(Ref self, jlong seed);
  static void setSeed(Ref self, jlong seed);
  static jint next(Ref self, jint bits);
  static jint nextInt(Ref self);
  static jlong nextLong(Ref self);
};

}  // namespace java::util
