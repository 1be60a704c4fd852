// java/lang/Thread
#pragma once
#include "java/lang/Runnable.h"

namespace java::lang {

struct Thread {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint priority;
    Ref target;  // java/lang/Runnable
  };
  JAVA_FIELDS(Object)

  // The class's run entry sits in this slot (see run_entry).
  static inline Method<void(Ref)> m_run{"run()", &klass};

  static void init(Ref self);
  static void init(Ref self, Ref target);
  static Ref currentThread();
  static void yield();
  static void sleep(jlong millis);
  static void start(Ref self);
  static void run(Ref self);
  static jbool isAlive(Ref self);
  static void setPriority(Ref self, jint newPriority);
  static jint getPriority(Ref self);
  static jint activeCount();
  static Ref toString(Ref self);
};

}  // namespace java::lang
