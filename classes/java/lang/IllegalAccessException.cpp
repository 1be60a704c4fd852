// java/lang/IllegalAccessException
#include "java/lang/IllegalAccessException.h"

namespace java::lang {

ClassDecl IllegalAccessException::klass = {
    .name = "java/lang/IllegalAccessException",
    .super = &Exception::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = &IllegalAccessException::init,
    .uses = {&java::lang::Exception::klass},
};

void IllegalAccessException::init(Ref self) { Exception::init(self); }

}  // namespace java::lang
