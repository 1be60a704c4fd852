// java/io/InterruptedIOException
#include "java/io/InterruptedIOException.h"

namespace java::io {

ClassDecl InterruptedIOException::klass = {
    .name = "java/io/InterruptedIOException",
    .super = &IOException::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = &InterruptedIOException::init,
    .ctor1 =
        reinterpret_cast<void*>(static_cast<void (*)(Ref, Ref)>(&InterruptedIOException::init)),
    .uses = {&java::io::IOException::klass},
};

void InterruptedIOException::init(Ref self) {
  IOException::init(self);
  f(self).bytesTransferred = 0;
}

void InterruptedIOException::init(Ref self, Ref message) {
  IOException::init(self, message);
  f(self).bytesTransferred = 0;
}

}  // namespace java::io
