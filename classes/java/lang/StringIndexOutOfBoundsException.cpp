// java/lang/StringIndexOutOfBoundsException
#include "java/lang/StringIndexOutOfBoundsException.h"

#include <string>

namespace java::lang {

ClassDecl StringIndexOutOfBoundsException::klass = {
    .name = "java/lang/StringIndexOutOfBoundsException",
    .super = &IndexOutOfBoundsException::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = &StringIndexOutOfBoundsException::init,
    .ctor1 = reinterpret_cast<void*>(
        static_cast<void (*)(Ref, Ref)>(&StringIndexOutOfBoundsException::init)),
    .uses = {&java::lang::IndexOutOfBoundsException::klass},
};

void StringIndexOutOfBoundsException::init(Ref self) { IndexOutOfBoundsException::init(self); }

void StringIndexOutOfBoundsException::init(Ref self, Ref message) {
  IndexOutOfBoundsException::init(self, message);
}

void StringIndexOutOfBoundsException::init(Ref self, jint index) {
  init(self, lit(("String index out of range: " + std::to_string(index)).c_str()));
}

}  // namespace java::lang
