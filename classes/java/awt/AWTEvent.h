// java/awt/AWTEvent
#pragma once
#include "java/util/EventObject.h"

namespace java::awt {

struct AWTEvent {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint id;
    jbool consumed;
  };
  JAVA_FIELDS(java::util::EventObject)

  static void init(Ref self, Ref source, jint id);
  static void consume(Ref self);
  static jbool isConsumed(Ref self);
  static void setSource(Ref self, Ref source);
  static jint getID(Ref self);
};

}  // namespace java::awt
