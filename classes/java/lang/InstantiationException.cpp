// java/lang/InstantiationException
#include "java/lang/InstantiationException.h"

namespace java::lang {

ClassDecl InstantiationException::klass = {
    .name = "java/lang/InstantiationException",
    .super = &Exception::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = &InstantiationException::init,
    .uses = {&java::lang::Exception::klass},
};

void InstantiationException::init(Ref self) { Exception::init(self); }

}  // namespace java::lang
