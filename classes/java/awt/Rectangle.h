// java/awt/Rectangle
#pragma once
#include "java/lang/Object.h"

namespace java::awt {

struct Rectangle {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint x;
    jint y;
    jint width;
    jint height;
  };
  JAVA_FIELDS(java::lang::Object)

  static void init(Ref self);
  static void init(Ref self, jint x, jint y, jint width, jint height);
  static void setBounds(Ref self, jint x, jint y, jint width, jint height);
  static jbool contains(Ref self, jint x, jint y);
  static jbool intersects(Ref self, Ref r);
  static void add(Ref self, Ref r);
};

}  // namespace java::awt
