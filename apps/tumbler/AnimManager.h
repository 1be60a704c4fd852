// AnimManager: steps and paints Tumbler's characters every 300 ms on its own thread.
#pragma once
#include "java/lang/Object.h"

namespace tumbler {

struct AnimManager {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref stage;  // Rectangle the characters move in
    Ref chars;  // AnimChar[1]; a null slot is free
  };
  JAVA_FIELDS(java::lang::Object)
  struct Statics {
    Ref random;  // java/util/Random with the library's default seed
  };
  JAVA_STATICS

  static inline Method<void(Ref)> m_run{"run()", &klass};

  static void staticInit();
  static void init(Ref self, Ref stage);
  static void add(Ref self, Ref c);
  static Ref getStage(Ref self);
  static void remove(Ref self, Ref c);
  static jint random(jint n);
  static void run(Ref self);
};

}  // namespace tumbler
