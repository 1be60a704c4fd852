// java/awt/EventQueue
#pragma once
#include "java/lang/Object.h"

namespace java::awt {

// Routes input to the top window: a pen press picks the target that every later pen event
// goes to until the next press; keys go to the focus owner.
struct EventQueue {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref mouseTarget;
    jint targetX;  // its screen origin
    jint targetY;
  };
  JAVA_FIELDS(java::lang::Object)

  static void init(Ref self);
  static void postEvent(Ref self, Ref e);
  // Runs r.run() on the dispatch thread and returns when it has run.
  static void invokeAndWait(Ref r);
};

}  // namespace java::awt
