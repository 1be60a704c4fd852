// javax/microedition/rms/RecordStore
#pragma once
#include "java/lang/Object.h"

namespace javax::microedition::rms {

// The record-store interface the toolkit implements over palm databases.
struct RecordStore {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::lang::Object)

  static void init(Ref self);
};

}  // namespace javax::microedition::rms
