// java/lang/ArrayIndexOutOfBoundsException
#include "java/lang/ArrayIndexOutOfBoundsException.h"

#include <string>

namespace java::lang {

ClassDecl ArrayIndexOutOfBoundsException::klass = {
    .name = "java/lang/ArrayIndexOutOfBoundsException",
    .super = &IndexOutOfBoundsException::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = &ArrayIndexOutOfBoundsException::init,
    .ctor1 = reinterpret_cast<void*>(
        static_cast<void (*)(Ref, Ref)>(&ArrayIndexOutOfBoundsException::init)),
    .uses = {&java::lang::IndexOutOfBoundsException::klass},
};

void ArrayIndexOutOfBoundsException::init(Ref self) { IndexOutOfBoundsException::init(self); }

void ArrayIndexOutOfBoundsException::init(Ref self, Ref message) {
  IndexOutOfBoundsException::init(self, message);
}

void ArrayIndexOutOfBoundsException::init(Ref self, jint index) {
  init(self, lit(("Array index out of range: " + std::to_string(index)).c_str()));
}

}  // namespace java::lang
