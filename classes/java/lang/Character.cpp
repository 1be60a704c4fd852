// java/lang/Character
#include "java/lang/Character.h"

#include "com/sun/cldc/i18n/uclc/DefaultCaseConverter.h"
#include "java/lang/Class.h"
#include "java/lang/ClassCastException.h"
#include "java/lang/Exception.h"
#include "java/lang/RuntimeException.h"
#include "java/lang/String.h"
#include "java/lang/System.h"
#include "java/lang/Throwable.h"

namespace java::lang {

using com::sun::cldc::i18n::uclc::DefaultCaseConverter;

ClassDecl Character::klass = {
    .name = "java/lang/Character",
    .super = &Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .methods = {impl(Object::m_hashCode, &Character::hashCode),
                impl(Object::m_equals, &Character::equals),
                impl(Object::m_toString, &Character::toString)},
    .staticWords = JAVA_STATIC_WORDS,
    .uses = {&com::sun::cldc::i18n::uclc::DefaultCaseConverter::klass, &java::lang::Class::klass,
             &java::lang::ClassCastException::klass, &java::lang::Exception::klass,
             &java::lang::RuntimeException::klass, &java::lang::String::klass,
             &java::lang::System::klass, &java::lang::Throwable::klass},
};

void Character::init(Ref self, jchar value) {
  Object::init(self);
  f(self).value = value;
}

jchar Character::charValue(Ref self) { return f(nn(self)).value; }

jint Character::hashCode(Ref self) { return f(self).value; }

jbool Character::equals(Ref self, Ref obj) {
  return instanceof <Character>(obj) && f(obj).value == f(self).value;
}

Ref Character::toString(Ref self) { return String::valueOfChar(f(self).value); }

jbool Character::isLowerCase(jchar ch) {
  getCaseConverter();
  return DefaultCaseConverter::isLowerCase(ch);
}

jbool Character::isUpperCase(jchar ch) {
  getCaseConverter();
  return DefaultCaseConverter::isUpperCase(ch);
}

jbool Character::isDigit(jchar ch) {
  getCaseConverter();
  return DefaultCaseConverter::isDigit(ch);
}

jchar Character::toLowerCase(jchar ch) {
  getCaseConverter();
  return DefaultCaseConverter::toLowerCase(ch);
}

jchar Character::toUpperCase(jchar ch) {
  getCaseConverter();
  return DefaultCaseConverter::toUpperCase(ch);
}

jint Character::digit(jchar ch, jint radix) {
  getCaseConverter();
  return DefaultCaseConverter::digit(ch, radix);
}

// The converter class is named by "microedition.caseConverter" and made once; any
// Exception on the way is reported with the class name and the cause's message.
Ref Character::getCaseConverter() {
  clinit<Character>();
  if (S().caseConverter) return S().caseConverter;
  Ref volatile name = nullptr;
  try {
    name = System::getProperty(lit("microedition.caseConverter"));
    if (!name) name = lit("com.sun.cldc.i18n.uclc.DefaultCaseConverter");
    Ref volatile converter = Class::newInstance(Class::forName(name));
    if (! instanceof <DefaultCaseConverter>(converter)) jthrow(jnew<ClassCastException>());
    S().caseConverter = converter;
  } catch (JavaThrow& e) {
    if (!caught<Exception>(e)) throw;
    Ref volatile message = vcall(Throwable::m_getMessage, e.object());
    jthrow(jnew<RuntimeException>(
        jconcat({lit("Cannot find case converter class "), name, lit(" -> "), message})));
  }
  return S().caseConverter;
}

}  // namespace java::lang
