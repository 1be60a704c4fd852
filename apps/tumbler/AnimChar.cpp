// AnimChar: a character an AnimManager steps and paints.
#include "AnimChar.h"

namespace tumbler {

ClassDecl AnimChar::klass = {
    .name = "AnimChar",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(manager)},
    .methods = {impl(m_getState, &AnimChar::getState), impl(m_setState, &AnimChar::setState),
                impl(m_setManager, &AnimChar::setManager), abstract_method(m_update),
                abstract_method(m_paint)},
};

void AnimChar::init(Ref self) {
  java::lang::Object::init(self);
  f(self).state = 0;
}

jint AnimChar::getState(Ref self) { return f(self).state; }

void AnimChar::setState(Ref self, jint state) { f(self).state = state; }

void AnimChar::setManager(Ref self, Ref manager) { f(self).manager = manager; }

}  // namespace tumbler
