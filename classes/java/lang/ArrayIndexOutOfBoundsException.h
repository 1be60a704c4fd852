// java/lang/ArrayIndexOutOfBoundsException
#pragma once
#include "java/lang/IndexOutOfBoundsException.h"

namespace java::lang {

struct ArrayIndexOutOfBoundsException {
  static ClassDecl klass;
  JAVA_NO_FIELDS(IndexOutOfBoundsException)
  static void init(Ref self);
  static void init(Ref self, Ref message);
  static void init(Ref self, jint index);
};

}  // namespace java::lang
