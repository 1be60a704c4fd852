// javax/microedition/rms/RecordStore
#include "javax/microedition/rms/RecordStore.h"

namespace javax::microedition::rms {

ClassDecl RecordStore::klass = {
    .name = "javax/microedition/rms/RecordStore",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = &RecordStore::init,
    .methods = {abstract_method(m_closeRecordStore), abstract_method(m_getName),
                abstract_method(m_getVersion), abstract_method(m_getNumRecords),
                abstract_method(m_getSize), abstract_method(m_getSizeAvailable),
                abstract_method(m_getLastModified), abstract_method(m_addRecordListener),
                abstract_method(m_removeRecordListener), abstract_method(m_getNextRecordID),
                abstract_method(m_addRecord), abstract_method(m_deleteRecord),
                abstract_method(m_getRecordSize), abstract_method(m_getRecord),
                abstract_method(m_getRecordInto), abstract_method(m_setRecord)},
    .uses = {&java::lang::Object::klass},
};

void RecordStore::init(Ref self) { java::lang::Object::init(self); }

}  // namespace javax::microedition::rms
