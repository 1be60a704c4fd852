// java/lang/Character
#pragma once
#include "java/lang/Object.h"

namespace java::lang {

struct Character {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jchar value;
  };
  JAVA_FIELDS(Object)
  struct Statics {
    Ref caseConverter;  // found by name on first use
  };
  JAVA_STATICS

  static constexpr jint MIN_RADIX = 2;
  static constexpr jint MAX_RADIX = 36;

  static void init(Ref self, jchar value);
  static jchar charValue(Ref self);
  static jint hashCode(Ref self);
  static jbool equals(Ref self, Ref obj);
  static Ref toString(Ref self);
  static jbool isLowerCase(jchar ch);
  static jbool isUpperCase(jchar ch);
  static jbool isDigit(jchar ch);
  static jchar toLowerCase(jchar ch);
  static jchar toUpperCase(jchar ch);
  static jint digit(jchar ch, jint radix);
  static Ref getCaseConverter();
};

}  // namespace java::lang
