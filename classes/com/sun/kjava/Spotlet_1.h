// com/sun/kjava/Spotlet$1
#pragma once
#include "java/lang/Thread.h"

namespace com::sun::kjava {

// The event thread: reads event kinds for ever and hands each to the current spotlet.
struct Spotlet_1 {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::lang::Thread)

  static void init(Ref self);
  static void run(Ref self);
};

}  // namespace com::sun::kjava
