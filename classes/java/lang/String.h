// java/lang/String
#pragma once
#include <initializer_list>

#include "java/lang/Object.h"

namespace java::lang {

struct String {
  static ClassDecl klass;
  using Fields = StringFields;  // value, offset, count: the runtime reads them too
  JAVA_FIELDS(Object)

  static void init(Ref self);
  static void init(Ref self, Ref chars);
  static void init(Ref self, Ref chars, jint offset, jint count);
  static jint length(Ref self);
  static jchar charAt(Ref self, jint index);
  static jint hashCode(Ref self);
  static jbool equals(Ref self, Ref obj);
  static Ref toString(Ref self);
  static Ref valueOf(Ref obj);
};

}  // namespace java::lang

// The concatenation of strings (a + b + ...), chars kept whole; null parts read "null".
Ref jconcat(std::initializer_list<Ref> parts);
