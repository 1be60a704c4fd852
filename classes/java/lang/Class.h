// java/lang/Class
#pragma once
#include "java/lang/Object.h"

namespace java::lang {

struct Class {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    uint16_t index;  // the class it stands for
  };
  JAVA_FIELDS(Object)

  static Ref forIndex(int index);  // a new Class object: they are not unique
  static Ref forName(Ref name);
  static Ref newInstance(Ref self);
  static jbool isInstance(Ref self, Ref obj);
  static jbool isAssignableFrom(Ref self, Ref cls);
  static jbool isInterface(Ref self);
  static jbool isArray(Ref self);
  static Ref getName(Ref self);
  static Ref toString(Ref self);
};

}  // namespace java::lang
