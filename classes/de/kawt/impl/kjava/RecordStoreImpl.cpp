// de/kawt/impl/kjava/RecordStoreImpl
#include "de/kawt/impl/kjava/RecordStoreImpl.h"

#include <cstring>
#include <vector>

#include "com/sun/kjava/Database.h"
#include "java/lang/Integer.h"
#include "java/lang/String.h"
#include "javax/microedition/rms/InvalidRecordIDException.h"
#include "javax/microedition/rms/RecordStoreException.h"
#include "javax/microedition/rms/RecordStoreFullException.h"
#include "javax/microedition/rms/RecordStoreNotOpenException.h"

namespace de::kawt::impl::kjava {

using com::sun::kjava::Database;
using java::lang::String;
using javax::microedition::rms::RecordStore;
namespace rms = javax::microedition::rms;

ClassDecl RecordStoreImpl::klass = {
    .name = "de/kawt/impl/kjava/RecordStoreImpl",
    .super = &AbstractRecordStore::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(index), JAVA_REF(store), JAVA_REF(name)},
    .methods = {::impl(RecordStore::m_closeRecordStore, &RecordStoreImpl::closeRecordStore),
                ::impl(RecordStore::m_getName, &RecordStoreImpl::getName),
                ::impl(RecordStore::m_getNumRecords, &RecordStoreImpl::getNumRecords),
                ::impl(RecordStore::m_getSize, &RecordStoreImpl::getSize),
                ::impl(RecordStore::m_getSizeAvailable, &RecordStoreImpl::getSizeAvailable),
                ::impl(RecordStore::m_getNextRecordID, &RecordStoreImpl::getNextRecordID),
                ::impl(RecordStore::m_addRecord, &RecordStoreImpl::addRecord),
                ::impl(RecordStore::m_deleteRecord, &RecordStoreImpl::deleteRecord),
                ::impl(RecordStore::m_getRecordSize, &RecordStoreImpl::getRecordSize),
                ::impl(RecordStore::m_getRecord, &RecordStoreImpl::getRecord)},
    .uses = {&de::kawt::impl::AbstractRecordStore::klass, &com::sun::kjava::Database::klass,
             &java::lang::Integer::klass, &java::lang::String::klass,
             &javax::microedition::rms::RecordStoreException::klass,
             &javax::microedition::rms::RecordStoreFullException::klass},
};

static constexpr jint DB_READ_ONLY = 1;
static constexpr jint DB_READ_WRITE = 3;
static constexpr jint STORE_TYPES = 10000;  // "0000" to "9999": four decimal digits

jint RecordStoreImpl::id(Ref s) {
  uint32_t v = 0;
  for (jint i = 0; i < 4; i++) v = (v << 8) + String::charAt(s, i);
  return static_cast<jint>(v);
}

/* ---------------------------------------------------------------------------
 * Index records: creator (4 bytes), type (4 bytes), the name one byte a character.
 * ------------------------------------------------------------------------- */

static jint readId(Ref record, jint at) {
  uint32_t v = 0;
  for (jint i = 0; i < 4; i++) v = (v << 8) | (rt_array_load8(record, at + i) & 0xFF);
  return static_cast<jint>(v);
}

static void writeId(Ref record, jint at, jint id) {
  for (jint i = 0; i < 4; i++) rt_array_store8(record, at + i, id >> (24 - 8 * i));
}

static Ref recordName(Ref record) {
  Ref volatile keep = record;
  Ref volatile chars = new_char_array(alen(record) - 8);
  for (jint i = 0; i < alen(chars); i++)
    rt_array_store16(chars, i, rt_array_load8(keep, 8 + i) & 0xFF);
  return jnew<String>(static_cast<Ref>(chars));
}

static Ref indexRecord(jint creator, jint type, Ref name) {
  Ref volatile keep = name;
  Ref volatile record = new_byte_array(8 + String::length(name));
  writeId(record, 0, creator);
  writeId(record, 4, type);
  for (jint i = 0; i < String::length(keep); i++)
    rt_array_store8(record, 8 + i, String::charAt(keep, i));
  return record;
}

// The number that a store type of four decimal digits stands for, else -1.
static jint storeNumber(jint type) {
  jint n = 0;
  for (jint shift = 24; shift >= 0; shift -= 8) {
    jint c = (type >> shift) & 0xFF;
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

static bool databaseExists(jint creator, jint type) {
  Ref volatile db = jnew<Database>(type, creator, DB_READ_ONLY);
  if (!vcall(Database::m_isOpen, db)) return false;
  vcall(Database::m_close, db);
  return true;
}

// The store's own database, opened; created first when it does not exist.
static Ref openOrCreate(Ref name, jint creator, jint type) {
  Ref volatile db = jnew<Database>(type, creator, DB_READ_WRITE);
  if (vcall(Database::m_isOpen, db)) return db;
  Database::create(0, jconcat({lit("kAWT-RS:"), name}), creator, type, 0);
  return jnew<Database>(type, creator, DB_READ_WRITE);
}

/* ---------------------------------------------------------------------------
 * Opening
 * ------------------------------------------------------------------------- */

// The index is scanned in order and the first record naming the store wins; a record that
// names the index's own ids is no store. A new store gets the creator "KRMS" and a type of
// four digits that no store uses: the number of index records ("0000", "0001", ...), else the
// next free one, passing over the database of a store whose index record was lost. With all
// ten thousand taken the store is refused. Its name is the one asked for. A store whose
// index cannot be opened even after creating it fails at once rather than at its first
// operation.
void RecordStoreImpl::init(Ref self, Ref name) {
  AbstractRecordStore::init(self);
  Ref volatile keep = self;
  Ref volatile wanted = nn(name);
  auto& s = f(keep);
  s.indexCreator = id(lit("KRMS"));
  s.indexType = id(lit("Strs"));
  f(keep).index = jnew<Database>(f(keep).indexType, f(keep).indexCreator, DB_READ_WRITE);
  if (!vcall(Database::m_isOpen, f(keep).index)) {
    Database::create(0, lit("kAWT-RmsStores"), f(keep).indexCreator, f(keep).indexType, 0);
    f(keep).index = jnew<Database>(f(keep).indexType, f(keep).indexCreator, DB_READ_WRITE);
    if (!vcall(Database::m_isOpen, f(keep).index)) jthrow(jnew<rms::RecordStoreException>());
  }
  jint count = vcall(Database::m_getNumberOfRecords, f(keep).index);
  std::vector<bool> used(STORE_TYPES);
  for (jint i = 0; i < count; i++) {
    Ref volatile record = vcall(Database::m_getRecord, f(keep).index, i);
    if (!record || alen(record) < 8) continue;  // not an index record
    jint creator = readId(record, 0), type = readId(record, 4);
    if (creator == f(keep).indexCreator && type == f(keep).indexType) continue;
    if (jint n = storeNumber(type); creator == f(keep).indexCreator && n >= 0) used[n] = true;
    Ref volatile found = recordName(record);
    if (!String::equals(found, wanted)) continue;
    f(keep).creator = readId(record, 0);
    f(keep).type = readId(record, 4);
    f(keep).name = found;
    f(keep).store = openOrCreate(found, f(keep).creator, f(keep).type);
    return;
  }
  f(keep).creator = f(keep).indexCreator;
  f(keep).type = 0;
  for (jint k = 0; k < STORE_TYPES && !f(keep).type; k++) {
    jint n = (count + k) % STORE_TYPES;
    if (used[n]) continue;
    Ref volatile digits = java::lang::Integer::toString(n);
    while (String::length(digits) < 4) digits = jconcat({lit("0"), digits});
    if (!databaseExists(f(keep).creator, id(digits))) f(keep).type = id(digits);
  }
  if (!f(keep).type) {
    vcall(Database::m_close, f(keep).index);
    jthrow(jnew<rms::RecordStoreFullException>());
  }
  f(keep).name = wanted;
  f(keep).store = openOrCreate(wanted, f(keep).creator, f(keep).type);
  if (!vcall(Database::m_addRecord, f(keep).index,
             indexRecord(f(keep).creator, f(keep).type, wanted)))
    jthrow(jnew<rms::RecordStoreException>());
}

/* ---------------------------------------------------------------------------
 * Record operations
 * ------------------------------------------------------------------------- */

// The store's database; a store closed, or whose database could not be opened, is not open.
static Ref storeOf(Ref self) {
  Ref db = RecordStoreImpl::f(nn(self)).store;
  if (!db || !vcall(Database::m_isOpen, db)) jthrow(jnew<rms::RecordStoreNotOpenException>());
  return db;
}

// Positions past the last record are invalid; negative ones go to the database as they are.
static void checkId(Ref db, jint recordId) {
  if (recordId > vcall(Database::m_getNumberOfRecords, db) - 1)
    jthrow(jnew<rms::InvalidRecordIDException>());
}

// Both databases are closed and dropped, so that the store is not open afterwards.
void RecordStoreImpl::closeRecordStore(Ref self) {
  auto& s = f(nn(self));
  if (!s.index || !s.store) jthrow(jnew<rms::RecordStoreNotOpenException>());
  vcall(Database::m_close, s.index);
  vcall(Database::m_close, f(self).store);
  f(self).index = nullptr;
  f(self).store = nullptr;
}

Ref RecordStoreImpl::getName(Ref self) {
  storeOf(self);
  return f(self).name;
}

jint RecordStoreImpl::getNumRecords(Ref self) {
  return vcall(Database::m_getNumberOfRecords, storeOf(self));
}

jint RecordStoreImpl::getSize(Ref self) {
  Ref volatile db = storeOf(self);
  jint size = 0;
  for (jint i = 0, n = vcall(Database::m_getNumberOfRecords, db); i < n; i++) {
    Ref record = vcall(Database::m_getRecord, db, i);
    if (record) size += alen(record);
  }
  return size;
}

jint RecordStoreImpl::getSizeAvailable(Ref self) {
  storeOf(self);
  return 2147483647;
}

// One more than the number of records (not the position the next record gets).
jint RecordStoreImpl::getNextRecordID(Ref self) { return getNumRecords(self) + 1; }

// With an offset above 0 the count bytes from it are stored (the range checked before any
// allocation); with offset 0 (or below) the whole array, whatever the count. The result is
// the position the database wrote. A record it could not write is an error.
jint RecordStoreImpl::addRecord(Ref self, Ref data, jint offset, jint count) {
  Ref volatile db = storeOf(self);
  Ref volatile bytes = data;
  if (offset > 0) {
    if (!in_range(alen(data), offset, count)) rt_throw_error(ERR_ARRAY_INDEX_OUT_OF_BOUNDS);
    bytes = new_byte_array(count);
    memcpy(elements<jbyte>(bytes), elements<jbyte>(data) + offset, count);
  }
  jint position = Database::appendRecord(db, bytes);
  if (position < 0) jthrow(jnew<rms::RecordStoreException>());
  return position;
}

void RecordStoreImpl::deleteRecord(Ref self, jint recordId) {
  Ref volatile db = storeOf(self);
  checkId(db, recordId);
  if (!vcall(Database::m_deleteRecord, db, recordId)) jthrow(jnew<rms::RecordStoreException>());
}

// A position the database has no record file for is invalid too.
jint RecordStoreImpl::getRecordSize(Ref self, jint recordId) {
  Ref volatile db = storeOf(self);
  checkId(db, recordId);
  Ref record = vcall(Database::m_getRecord, db, recordId);
  if (!record) jthrow(jnew<rms::InvalidRecordIDException>());
  return alen(record);
}

// Without an open database this is a plain RecordStoreException.
Ref RecordStoreImpl::getRecord(Ref self, jint recordId) {
  Ref db = f(nn(self)).store;
  if (!db || !vcall(Database::m_isOpen, db)) jthrow(jnew<rms::RecordStoreException>());
  Ref volatile keep = db;
  checkId(keep, recordId);
  return vcall(Database::m_getRecord, keep, recordId);
}

}  // namespace de::kawt::impl::kjava
