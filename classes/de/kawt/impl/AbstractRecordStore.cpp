// de/kawt/impl/AbstractRecordStore
#include "de/kawt/impl/AbstractRecordStore.h"

#include <cstring>

#include "javax/microedition/rms/RecordStoreException.h"

namespace de::kawt::impl {

using javax::microedition::rms::RecordStore;

ClassDecl AbstractRecordStore::klass = {
    .name = "de/kawt/impl/AbstractRecordStore",
    .super = &RecordStore::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .methods = {::impl(RecordStore::m_getVersion, &AbstractRecordStore::getVersion),
                ::impl(RecordStore::m_getLastModified, &AbstractRecordStore::getLastModified),
                ::impl(RecordStore::m_addRecordListener, &AbstractRecordStore::addRecordListener),
                ::impl(RecordStore::m_removeRecordListener,
                       &AbstractRecordStore::removeRecordListener),
                ::impl(RecordStore::m_getRecordInto, &AbstractRecordStore::getRecord),
                ::impl(RecordStore::m_setRecord, &AbstractRecordStore::setRecord)},
    .uses = {&javax::microedition::rms::RecordStore::klass,
             &javax::microedition::rms::RecordStoreException::klass},
};

void AbstractRecordStore::init(Ref self) { RecordStore::init(self); }

// Stores keep no version and no modification time.
jint AbstractRecordStore::getVersion(Ref self) { return 0; }

jlong AbstractRecordStore::getLastModified(Ref self) { return 0; }

// Nothing is ever reported to listeners, so they are not kept.
void AbstractRecordStore::addRecordListener(Ref self, Ref listener) {}

void AbstractRecordStore::removeRecordListener(Ref self, Ref listener) {}

// The record copied into buffer from offset on; its length.
jint AbstractRecordStore::getRecord(Ref self, jint recordId, Ref buffer, jint offset) {
  Ref volatile data = vcall(RecordStore::m_getRecord, self, recordId);
  jint n = data ? alen(data) : 0;
  if (!in_range(alen(buffer), offset, n)) rt_throw_error(ERR_ARRAY_INDEX_OUT_OF_BOUNDS);
  if (n > 0) memcpy(elements<jbyte>(buffer) + offset, elements<jbyte>(data), n);
  return n;
}

// Replacing a record is not provided; a call that silently kept the old contents would
// lose the caller's data unnoticed, so it fails.
void AbstractRecordStore::setRecord(Ref self, jint recordId, Ref data, jint offset, jint count) {
  jthrow(jnew<javax::microedition::rms::RecordStoreException>());
}

}  // namespace de::kawt::impl
