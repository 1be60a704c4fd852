// com/sun/cldc/io/NetworkConnectionBase
#include "com/sun/cldc/io/NetworkConnectionBase.h"

#include "natives/net.h"

namespace com::sun::cldc::io {

ClassDecl NetworkConnectionBase::klass = {
    .name = "com/sun/cldc/io/NetworkConnectionBase",
    .super = &ConnectionBase::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .classInit = &NetworkConnectionBase::staticInit,
    .uses = {&com::sun::cldc::io::ConnectionBase::klass},
};

// The network starts once, before the first network handler is made.
void NetworkConnectionBase::staticInit() { native(net_startup); }

void NetworkConnectionBase::init(Ref self) { ConnectionBase::init(self); }

}  // namespace com::sun::cldc::io
