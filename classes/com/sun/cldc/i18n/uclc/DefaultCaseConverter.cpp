// com/sun/cldc/i18n/uclc/DefaultCaseConverter
#include "com/sun/cldc/i18n/uclc/DefaultCaseConverter.h"

namespace com::sun::cldc::i18n::uclc {

ClassDecl DefaultCaseConverter::klass = {
    .name = "com/sun/cldc/i18n/uclc/DefaultCaseConverter",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = &DefaultCaseConverter::init,
};

void DefaultCaseConverter::init(Ref self) { java::lang::Object::init(self); }

// ASCII rules only.
jbool DefaultCaseConverter::isLowerCase(jchar ch) { return ch >= 'a' && ch <= 'z'; }
jbool DefaultCaseConverter::isUpperCase(jchar ch) { return ch >= 'A' && ch <= 'Z'; }
jbool DefaultCaseConverter::isDigit(jchar ch) { return ch >= '0' && ch <= '9'; }
jchar DefaultCaseConverter::toLowerCase(jchar ch) { return isUpperCase(ch) ? ch + ('a' - 'A') : ch; }
jchar DefaultCaseConverter::toUpperCase(jchar ch) { return isLowerCase(ch) ? ch - ('a' - 'A') : ch; }

// A letter's value is its low five bits + 9, so 'a' and 'A' are 10.
jint DefaultCaseConverter::digit(jchar ch, jint radix) {
  jint value = -1;
  if (radix >= 2 && radix <= 36) {
    if (isDigit(ch)) value = ch - '0';
    else if (isUpperCase(ch) || isLowerCase(ch)) value = (ch & 0x1f) + 9;
  }
  return value < radix ? value : -1;
}

}  // namespace com::sun::cldc::i18n::uclc
