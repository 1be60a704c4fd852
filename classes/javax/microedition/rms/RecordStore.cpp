// javax/microedition/rms/RecordStore
#include "javax/microedition/rms/RecordStore.h"

namespace javax::microedition::rms {

ClassDecl RecordStore::klass = {
    .name = "javax/microedition/rms/RecordStore",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = &RecordStore::init,
};

void RecordStore::init(Ref self) { java::lang::Object::init(self); }

}  // namespace javax::microedition::rms
