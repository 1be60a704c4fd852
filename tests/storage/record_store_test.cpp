// The toolkit's record stores on real palm database files: the index of stores, the
// store's own database, record positions, and what a closed store does.
#include "de/kawt/impl/kjava/RecordStoreImpl.h"
#include "javax/microedition/rms/RecordStore.h"
#include "storage_program.h"

namespace {

using de::kawt::impl::kjava::RecordStoreImpl;
using javax::microedition::rms::RecordStore;

class RecordStores : public StorageTest {};

// Index: creator "KRMS", type "Strs". A new store: creator "KRMS", type "0000", "0001", ...
const std::string kIndex = "4B524D53-53747273-";
std::string store(int n) { return "4B524D53-3030303" + std::to_string(n) + "-"; }
Bytes bytes(const std::string& s) { return Bytes(s.begin(), s.end()); }
Bytes name_file(std::string idsAndName) {
  idsAndName.resize(std::max<size_t>(idsAndName.size(), 40), '\0');
  return bytes(idsAndName);
}

Ref open_store(const char* name) { return jnew<RecordStoreImpl>(lit(name)); }
std::string name_of(Ref store) { return jstring_bytes(vcall(RecordStore::m_getName, store)); }

// Each store is a record of the index (its ids and name); a store whose database was removed
// is made again with its indexed ids; short index records are skipped but counted.
TEST_F(RecordStores, TheIndexFindsAndNumbersTheStores) {
  run_storage_program([] {
    Ref volatile p = open_store("p");
    EXPECT_EQ(file_bytes(kIndex + "name"), name_file("KRMSStrskAWT-RmsStores"));
    EXPECT_EQ(file_bytes(kIndex + "rec.0"), bytes("KRMS0000p"));
    EXPECT_EQ(file_bytes(store(0) + "name"), name_file("KRMS0000kAWT-RS:p"));
    EXPECT_EQ(name_of(p), "p");
    EXPECT_EQ(vcall(RecordStore::m_getNumRecords, p), 0);
    vcall(RecordStore::m_addRecord, p, byte_array({7, 8}), 0, 2);
    vcall(RecordStore::m_closeRecordStore, p);
    EXPECT_EQ(dir_entries().size(), 4u);
    vcall(RecordStore::m_closeRecordStore, open_store("q"));
    EXPECT_EQ(file_bytes(kIndex + "rec.1"), bytes("KRMS0001q"));
    p = open_store("p");
    EXPECT_EQ(array_bytes(vcall(RecordStore::m_getRecord, p, 0)), v({7, 8}));
    EXPECT_EQ(name_of(p), "p");
    unlink((store(1) + "name").c_str());
    open_store("q");
    EXPECT_EQ(file_bytes(store(1) + "name"), name_file("KRMS0001kAWT-RS:q"));
    EXPECT_FALSE(file_exists(kIndex + "rec.2"));  // no second index record of either
    write_file(kIndex + "rec.2", {1, 2, 3});
    open_store("c");
    EXPECT_EQ(file_bytes(kIndex + "rec.3"), bytes("KRMS0003c"));
  });
}

// At offset 0 a record is the whole array whatever the count, else the range; positions
// count from 0. Versions, times and listeners are not kept; replacing a record fails rather
// than silently keeping the old bytes; a record copies into a caller's buffer.
TEST_F(RecordStores, AddSizesAndWhatTheBindingDoesNotKeep) {
  run_storage_program([] {
    Ref volatile s = open_store("p");
    const std::tuple<Bytes, jint, jint, Bytes> cases[] = {{{1, 2, 3}, 0, 1, {1, 2, 3}},
                                                          {{}, 0, 0, {}},
                                                          {{9, 4, 5, 9}, 1, 2, {4, 5}},
                                                          {{5}, 0, 0, {5}}};
    for (jint position = 0; position < 4; position++) {
      const auto& [data, offset, count, stored] = cases[position];
      EXPECT_EQ(vcall(RecordStore::m_addRecord, s, byte_array(data), offset, count), position);
      EXPECT_EQ(file_bytes(store(0) + "rec." + std::to_string(position)), stored);
      EXPECT_EQ(vcall(RecordStore::m_getNextRecordID, s), position + 2);
    }
    EXPECT_EQ(vcall(RecordStore::m_getNumRecords, s), 4);
    EXPECT_EQ(vcall(RecordStore::m_getSize, s), 6);
    EXPECT_EQ(vcall(RecordStore::m_getSizeAvailable, s), 2147483647);
    EXPECT_EQ(vcall(RecordStore::m_getRecordSize, s, 0), 3);
    EXPECT_EQ(vcall(RecordStore::m_getRecordSize, s, 1), 0);
    const std::string outOfBounds = "java/lang/ArrayIndexOutOfBoundsException";
    EXPECT_EQ(thrown_by([&] { vcall(RecordStore::m_addRecord, s, byte_array({1}), 1, 5); }),
              outOfBounds);
    EXPECT_EQ(vcall(RecordStore::m_getVersion, s), 0);
    EXPECT_EQ(vcall(RecordStore::m_getLastModified, s), 0);
    vcall(RecordStore::m_addRecordListener, s, nullptr);
    vcall(RecordStore::m_removeRecordListener, s, nullptr);
    EXPECT_EQ(thrown_by([&] { vcall(RecordStore::m_setRecord, s, 2, byte_array({9}), 0, 1); }),
              "javax/microedition/rms/RecordStoreException");
    EXPECT_EQ(file_bytes(store(0) + "rec.2"), v({4, 5}));
    Ref volatile buffer = byte_array({0, 0, 0, 0});
    EXPECT_EQ(vcall(RecordStore::m_getRecordInto, s, 2, buffer, 1), 2);
    EXPECT_EQ(array_bytes(buffer), v({0, 4, 5, 0}));
    EXPECT_EQ(thrown_by([&] { vcall(RecordStore::m_getRecordInto, s, 2, buffer, 3); }),
              outOfBounds);
  });
}

// Deleting moves later records down; positions past the last are invalid; a closed store
// is not open.
TEST_F(RecordStores, DeletePositionsAndClose) {
  run_storage_program([] {
    Ref volatile s = open_store("p");
    for (uint8_t i = 0; i < 3; i++) vcall(RecordStore::m_addRecord, s, byte_array({i}), 0, 1);
    vcall(RecordStore::m_deleteRecord, s, 0);
    EXPECT_EQ(vcall(RecordStore::m_getNumRecords, s), 2);
    EXPECT_EQ(array_bytes(vcall(RecordStore::m_getRecord, s, 0)), v({1}));
    EXPECT_EQ(file_bytes(store(0) + "rec.1"), v({2}));
    EXPECT_FALSE(file_exists(store(0) + "rec.2"));
    const std::function<void()> invalid[] = {[&] { vcall(RecordStore::m_getRecord, s, 2); },
                                             [&] { vcall(RecordStore::m_getRecordSize, s, 2); },
                                             [&] { vcall(RecordStore::m_deleteRecord, s, 2); },
                                             [&] { vcall(RecordStore::m_getRecordSize, s, -1); }};
    for (const auto& call : invalid)
      EXPECT_EQ(thrown_by(call), "javax/microedition/rms/InvalidRecordIDException");
    EXPECT_EQ(vcall(RecordStore::m_getRecord, s, -1), nullptr);  // left to the database
    vcall(RecordStore::m_closeRecordStore, s);
    const std::function<void()> calls[] = {
        [&] { vcall(RecordStore::m_getNumRecords, s); },
        [&] { vcall(RecordStore::m_addRecord, s, byte_array({1}), 0, 1); },
        [&] { vcall(RecordStore::m_deleteRecord, s, 0); },
        [&] { vcall(RecordStore::m_getRecordSize, s, 0); },
        [&] { vcall(RecordStore::m_getSize, s); },
        [&] { vcall(RecordStore::m_getSizeAvailable, s); },
        [&] { vcall(RecordStore::m_getNextRecordID, s); },
        [&] { vcall(RecordStore::m_getName, s); },
        [&] { vcall(RecordStore::m_closeRecordStore, s); }};
    for (const auto& call : calls)
      EXPECT_EQ(thrown_by(call), "javax/microedition/rms/RecordStoreNotOpenException");
    EXPECT_EQ(thrown_by([&] { vcall(RecordStore::m_getRecord, s, 0); }),
              "javax/microedition/rms/RecordStoreException");
    EXPECT_EQ(file_bytes(store(0) + "rec.0"), v({1}));
    EXPECT_EQ(file_bytes(store(0) + "rec.1"), v({2}));
  });
}

}  // namespace
