// com/sun/kjava/Database
#include "com/sun/kjava/Database.h"

#include "host/db.h"

namespace com::sun::kjava {

ClassDecl Database::klass = {
    .name = "com/sun/kjava/Database",
    .super = &java::lang::Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .methods = {impl(m_isOpen, &Database::isOpen),
                impl(m_getNumberOfRecords, &Database::getNumberOfRecords),
                impl(m_getRecord, &Database::getRecord), impl(m_setRecord, &Database::setRecord),
                impl(m_addRecord, &Database::addRecord),
                impl(m_deleteRecord, &Database::deleteRecord), impl(m_close, &Database::close)},
};

// A missing database leaves dbRef 0 and throws nothing; a bad mode throws.
void Database::init(Ref self, jint typeId, jint creatorId, jint mode) {
  java::lang::Object::init(self);
  f(self).dbRef = openDatabase(typeId, creatorId, mode);
}

jint Database::openDatabase(jint typeId, jint creatorId, jint mode) {
  return native(db_open, typeId, creatorId, mode);
}

// cardNo and resDB have no meaning on this device.
jbool Database::create(jint cardNo, Ref name, jint creatorId, jint typeId, jbool resDB) {
  return native(db_create, cardNo, name, creatorId, typeId, resDB) != 0;
}

// Only a held descriptor is open: after close (dbRef -1) this answers false.
jbool Database::isOpen(Ref self) { return f(nn(self)).dbRef > 0; }

jint Database::getNumberOfRecords(Ref self) { return native(db_record_count, self); }

// The native fills the empty array with the record, or gives null.
Ref Database::getRecord(Ref self, jint recordNumber) {
  Ref volatile data = rt_new_array(rt_class_index_by_name("[B"), 1, 0);
  return native(db_get_record, self, recordNumber, data);
}

// A record number past the count is refused: it would leave a gap in the numbers.
jbool Database::setRecord(Ref self, jint recordNumber, Ref data) {
  return native(db_set_record, self, recordNumber, data) != 0;
}

jbool Database::addRecord(Ref self, Ref data) {
  return vcall(m_setRecord, self, DB_APPEND, data);
}

jbool Database::deleteRecord(Ref self, jint recordNumber) {
  return native(db_delete_record, self, recordNumber) != 0;
}

void Database::close(Ref self) { native(db_close, self); }

jint Database::appendRecord(Ref self, Ref data) { return native(db_append_record, self, data); }

}  // namespace com::sun::kjava
