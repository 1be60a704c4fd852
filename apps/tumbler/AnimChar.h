// AnimChar: a character an AnimManager steps and paints.
#pragma once
#include "java/lang/Object.h"

namespace tumbler {

struct AnimChar {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref manager;  // AnimManager
    jint state;   // 0: finished, the manager drops it
  };
  JAVA_FIELDS(java::lang::Object)

  static inline Method<jint(Ref)> m_getState{"getState()", &klass};
  static inline Method<void(Ref, jint)> m_setState{"setState(I)", &klass};
  static inline Method<void(Ref, Ref)> m_setManager{"setManager(LAnimManager;)", &klass};
  static inline Method<void(Ref)> m_update{"update()", &klass};
  static inline Method<void(Ref, Ref)> m_paint{"paint(Lcom/sun/kjava/Graphics;)", &klass};

  static void init(Ref self);
  static jint getState(Ref self);
  static void setState(Ref self, jint state);
  static void setManager(Ref self, Ref manager);
};

}  // namespace tumbler
