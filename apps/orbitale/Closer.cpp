// Closer: the frame's window listener; the device has no window to close.
#include "Closer.h"

namespace orbitale {

ClassDecl Closer::klass = {
    .name = "Closer",
    .super = &java::awt::event::WindowAdapter::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = &Closer::init,
    .uses = {&java::awt::event::WindowAdapter::klass},
};

void Closer::init(Ref self) { java::awt::event::WindowAdapter::init(self); }

}  // namespace orbitale
