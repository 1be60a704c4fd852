// The toolkit's record stores on real palm database files: the index of stores, the
// store's own database, record positions, and what a closed store does.
#include "de/kawt/impl/kjava/RecordStoreImpl.h"
#include "java/lang/String.h"
#include "javax/microedition/rms/RecordStore.h"
#include "storage_program.h"

namespace {

using de::kawt::impl::kjava::RecordStoreImpl;
using javax::microedition::rms::RecordStore;

class RecordStores : public StorageTest {};

// Index: creator "KRMS", type "Strs". A new store: creator "KRMS", type "0000", "0001", ...
const std::string kIndex = "4B524D53-53747273-";
std::string store_file(const char* type, const std::string& rest) {
  std::string name = "4B524D53-";
  for (const char* c = type; *c; c++) {
    name += '3';
    name += *c;
  }
  name += '-';
  name += rest;
  return name;
}

Bytes name_file(const Bytes& ids, const std::string& name) {
  Bytes b = ids;
  b.insert(b.end(), name.begin(), name.end());
  b.resize(std::max<size_t>(b.size(), 40), 0);
  return b;
}

const Bytes kKrms = {0x4B, 0x52, 0x4D, 0x53};
Bytes ids(const Bytes& creator, const char* type) {
  Bytes b = creator;
  b.insert(b.end(), type, type + 4);
  return b;
}
Bytes concat(Bytes a, const std::string& s) {
  a.insert(a.end(), s.begin(), s.end());
  return a;
}

Ref open_store(const char* name) { return jnew<RecordStoreImpl>(lit(name)); }

std::string text(Ref s) { return jstring_bytes(s); }

TEST_F(RecordStores, FirstOpenCreatesTheIndexAndTheStore) {
  run_storage_program([] {
    Ref volatile store = open_store("p");
    EXPECT_EQ(file_bytes(kIndex + "name"),
              name_file({0x4B, 0x52, 0x4D, 0x53, 'S', 't', 'r', 's'}, "kAWT-RmsStores"));
    EXPECT_EQ(file_bytes(kIndex + "rec.0"), concat(ids(kKrms, "0000"), "p"));
    EXPECT_EQ(file_bytes(store_file("0000", "name")), name_file(ids(kKrms, "0000"), "kAWT-RS:p"));
    EXPECT_EQ(text(vcall(RecordStore::m_getName, store)), "p");
    EXPECT_EQ(vcall(RecordStore::m_getNumRecords, store), 0);
    vcall(RecordStore::m_closeRecordStore, store);
    EXPECT_EQ(dir_entries().size(), 3u);
  });
}

TEST_F(RecordStores, ReopeningFindsTheStoreThroughTheIndex) {
  run_storage_program([] {
    Ref volatile p = open_store("p");
    vcall(RecordStore::m_addRecord, p, byte_array({7, 8}), 0, 2);
    vcall(RecordStore::m_closeRecordStore, p);
    Ref volatile q = open_store("q");  // the second store gets type "0001"
    EXPECT_EQ(file_bytes(kIndex + "rec.1"), concat(ids(kKrms, "0001"), "q"));
    vcall(RecordStore::m_closeRecordStore, q);
    p = open_store("p");
    EXPECT_EQ(array_bytes(vcall(RecordStore::m_getRecord, p, 0)), Bytes({7, 8}));
    EXPECT_EQ(text(vcall(RecordStore::m_getName, p)), "p");
    EXPECT_FALSE(file_exists(kIndex + "rec.2"));  // no second index record
  });
}

// The index remembers a store whose database was removed: opening makes it again, same ids.
TEST_F(RecordStores, StoreDatabaseMissingIsCreatedWithItsIndexedIds) {
  run_storage_program([] {
    vcall(RecordStore::m_closeRecordStore, open_store("a"));
    vcall(RecordStore::m_closeRecordStore, open_store("b"));
    std::remove(store_file("0001", "name").c_str());
    open_store("b");
    EXPECT_EQ(file_bytes(store_file("0001", "name")), name_file(ids(kKrms, "0001"), "kAWT-RS:b"));
    EXPECT_FALSE(file_exists(kIndex + "rec.2"));
  });
}

TEST_F(RecordStores, ShortIndexRecordsAreSkipped) {
  run_storage_program([] {
    vcall(RecordStore::m_closeRecordStore, open_store("a"));
    write_file(kIndex + "rec.1", {1, 2, 3});
    open_store("c");  // the type counts every index record
    EXPECT_EQ(file_bytes(kIndex + "rec.2"), concat(ids(kKrms, "0002"), "c"));
  });
}

TEST_F(RecordStores, AddingStoresWholeArrayAtOffsetZero) {
  run_storage_program([] {
    Ref volatile s = open_store("p");
    struct Case {
      Bytes data;
      jint offset, count;
      Bytes stored;
    };
    const Case cases[] = {
        {{1, 2, 3}, 0, 1, {1, 2, 3}}, {{1, 2, 3, 4}, 1, 2, {2, 3}}, {{5}, 0, 0, {5}}};
    jint position = 0;
    for (const Case& c : cases) {
      EXPECT_EQ(vcall(RecordStore::m_addRecord, s, byte_array(c.data), c.offset, c.count),
                position);
      EXPECT_EQ(file_bytes(store_file("0000", "rec.") + std::to_string(position)), c.stored);
      position++;
    }
    EXPECT_EQ(thrown_by([&] { vcall(RecordStore::m_addRecord, s, byte_array({1}), 1, 5); }),
              "java/lang/ArrayIndexOutOfBoundsException");
  });
}

TEST_F(RecordStores, CountsSizesAndNextId) {
  run_storage_program([] {
    Ref volatile s = open_store("p");
    EXPECT_EQ(vcall(RecordStore::m_addRecord, s, byte_array({1, 2, 3}), 0, 3), 0);
    EXPECT_EQ(vcall(RecordStore::m_getNextRecordID, s), 2);
    vcall(RecordStore::m_addRecord, s, byte_array({}), 0, 0);
    vcall(RecordStore::m_addRecord, s, byte_array({4, 5}), 0, 2);
    EXPECT_EQ(vcall(RecordStore::m_getNumRecords, s), 3);
    EXPECT_EQ(vcall(RecordStore::m_getSize, s), 5);
    EXPECT_EQ(vcall(RecordStore::m_getSizeAvailable, s), 2147483647);
    EXPECT_EQ(vcall(RecordStore::m_getRecordSize, s, 0), 3);
    EXPECT_EQ(vcall(RecordStore::m_getRecordSize, s, 1), 0);
    EXPECT_EQ(vcall(RecordStore::m_getNextRecordID, s), 4);
  });
}

TEST_F(RecordStores, DeletingMovesLaterRecordsDown) {
  run_storage_program([] {
    Ref volatile s = open_store("p");
    for (uint8_t i = 0; i < 3; i++) vcall(RecordStore::m_addRecord, s, byte_array({i}), 0, 1);
    vcall(RecordStore::m_deleteRecord, s, 0);
    EXPECT_EQ(vcall(RecordStore::m_getNumRecords, s), 2);
    EXPECT_EQ(array_bytes(vcall(RecordStore::m_getRecord, s, 0)), Bytes({1}));
    EXPECT_EQ(file_bytes(store_file("0000", "rec.1")), Bytes({2}));
    EXPECT_FALSE(file_exists(store_file("0000", "rec.2")));
  });
}

TEST_F(RecordStores, PositionsPastTheLastRecordAreInvalid) {
  run_storage_program([] {
    Ref volatile s = open_store("p");
    vcall(RecordStore::m_addRecord, s, byte_array({1}), 0, 1);
    const std::function<void()> calls[] = {[&] { vcall(RecordStore::m_getRecord, s, 1); },
                                           [&] { vcall(RecordStore::m_getRecordSize, s, 1); },
                                           [&] { vcall(RecordStore::m_deleteRecord, s, 1); }};
    for (const auto& call : calls)
      EXPECT_EQ(thrown_by(call), "javax/microedition/rms/InvalidRecordIDException");
    EXPECT_EQ(vcall(RecordStore::m_getRecord, s, -1), nullptr);  // left to the database
    EXPECT_EQ(thrown_by([&] { vcall(RecordStore::m_getRecordSize, s, -1); }),
              "javax/microedition/rms/InvalidRecordIDException");
    EXPECT_EQ(vcall(RecordStore::m_getNumRecords, s), 1);
  });
}

TEST_F(RecordStores, ClosedStoreIsNotOpen) {
  run_storage_program([] {
    Ref volatile s = open_store("p");
    vcall(RecordStore::m_addRecord, s, byte_array({1}), 0, 1);
    vcall(RecordStore::m_closeRecordStore, s);
    const std::string notOpen = "javax/microedition/rms/RecordStoreNotOpenException";
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
    for (const auto& call : calls) EXPECT_EQ(thrown_by(call), notOpen);
    EXPECT_EQ(thrown_by([&] { vcall(RecordStore::m_getRecord, s, 0); }),
              "javax/microedition/rms/RecordStoreException");
    EXPECT_EQ(file_bytes(store_file("0000", "rec.0")), Bytes({1}));
  });
}

// Versions, times and listeners are not kept; replacing a record fails rather than
// silently keeping the old bytes; a record copies into a caller's buffer.
TEST_F(RecordStores, OperationsTheBindingDoesNotKeep) {
  run_storage_program([] {
    Ref volatile s = open_store("p");
    vcall(RecordStore::m_addRecord, s, byte_array({4, 5}), 0, 2);
    EXPECT_EQ(vcall(RecordStore::m_getVersion, s), 0);
    EXPECT_EQ(vcall(RecordStore::m_getLastModified, s), 0);
    vcall(RecordStore::m_addRecordListener, s, nullptr);
    vcall(RecordStore::m_removeRecordListener, s, nullptr);
    EXPECT_EQ(thrown_by([&] { vcall(RecordStore::m_setRecord, s, 0, byte_array({9}), 0, 1); }),
              "javax/microedition/rms/RecordStoreException");
    EXPECT_EQ(file_bytes(store_file("0000", "rec.0")), Bytes({4, 5}));
    Ref volatile buffer = byte_array({0, 0, 0, 0});
    EXPECT_EQ(vcall(RecordStore::m_getRecordInto, s, 0, buffer, 1), 2);
    EXPECT_EQ(array_bytes(buffer), Bytes({0, 4, 5, 0}));
    EXPECT_EQ(thrown_by([&] { vcall(RecordStore::m_getRecordInto, s, 0, buffer, 3); }),
              "java/lang/ArrayIndexOutOfBoundsException");
  });
}

}  // namespace
