// java/awt/Panel
#include "java/awt/Panel.h"

namespace java::awt {

ClassDecl Panel::klass = {
    .name = "java/awt/Panel",
    .super = &Container::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = &Panel::init,
    .uses = {&java::awt::Container::klass},
};

void Panel::init(Ref self) { Container::init(self); }

}  // namespace java::awt
