// java/lang/Throwable
#include "java/lang/Throwable.h"

#include "java/lang/Class.h"
#include "java/lang/String.h"

namespace java::lang {

ClassDecl Throwable::klass = {
    .name = "java/lang/Throwable",
    .super = &Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(detailMessage)},
    .defaultCtor = &Throwable::init,
    .ctor1 = reinterpret_cast<void*>(static_cast<void (*)(Ref, Ref)>(&Throwable::init)),
    .methods = {impl(Object::m_toString, &Throwable::toString),
                impl(m_getMessage, &Throwable::getMessage)},
    .uses = {&java::lang::Class::klass, &java::lang::String::klass},
};

void Throwable::init(Ref self) { Object::init(self); }

void Throwable::init(Ref self, Ref message) {
  Object::init(self);
  f(self).detailMessage = message;
}

Ref Throwable::getMessage(Ref self) { return f(self).detailMessage; }

// The class name, then ": " and the message when there is one (its chars kept whole).
Ref Throwable::toString(Ref self) {
  Ref volatile name = Class::getName(Object::getClass(self));
  Ref volatile message = vcall(m_getMessage, self);
  if (!message) return name;
  return jconcat({name, lit(": "), message});
}

}  // namespace java::lang
