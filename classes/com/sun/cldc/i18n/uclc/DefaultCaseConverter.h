// com/sun/cldc/i18n/uclc/DefaultCaseConverter
#pragma once
#include "java/lang/Object.h"

namespace com::sun::cldc::i18n::uclc {

struct DefaultCaseConverter {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::lang::Object)

  static void init(Ref self);
  static jbool isLowerCase(jchar ch);
  static jbool isUpperCase(jchar ch);
  static jbool isDigit(jchar ch);
  static jchar toLowerCase(jchar ch);
  static jchar toUpperCase(jchar ch);
  static jint digit(jchar ch, jint radix);
};

}  // namespace com::sun::cldc::i18n::uclc
