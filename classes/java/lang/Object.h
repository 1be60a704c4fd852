// java/lang/Object
#pragma once
#include "class_code.h"

namespace java::lang {

struct Object {
  static ClassDecl klass;
  static constexpr size_t kEnd = 0;

  static inline Method<jint(Ref)> m_hashCode{"hashCode()", &klass};
  static inline Method<jbool(Ref, Ref)> m_equals{"equals(Ljava/lang/Object;)", &klass};
  static inline Method<Ref(Ref)> m_toString{"toString()", &klass};

  static void init(Ref self);
  static Ref getClass(Ref self);
  static jint hashCode(Ref self);
  static jbool equals(Ref self, Ref obj);
  static Ref toString(Ref self);
  static void notify(Ref self);
  static void notifyAll(Ref self);
  static void wait(Ref self);
  static void wait(Ref self, jlong timeout);
  static void wait(Ref self, jlong timeout, jint nanos);
};

}  // namespace java::lang
