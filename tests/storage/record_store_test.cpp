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
std::string digits(int n) {
  char four[8];
  snprintf(four, sizeof four, "%04d", n);
  return four;
}
std::string store(int n) {
  std::string prefix = "4B524D53-";
  for (char c : digits(n)) {
    prefix += '3';
    prefix += c;
  }
  return prefix + "-";
}
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
    EXPECT_EQ(disk_bytes(kIndex + "name"), name_file("KRMSStrskAWT-RmsStores"));
    EXPECT_EQ(disk_bytes(kIndex + "rec.0"), bytes("KRMS0000p"));
    EXPECT_EQ(disk_bytes(store(0) + "name"), name_file("KRMS0000kAWT-RS:p"));
    EXPECT_EQ(name_of(p), "p");
    EXPECT_EQ(vcall(RecordStore::m_getNumRecords, p), 0);
    vcall(RecordStore::m_addRecord, p, byte_array({7, 8}), 0, 2);
    vcall(RecordStore::m_closeRecordStore, p);
    EXPECT_EQ(dir_entries().size(), 4u);
    vcall(RecordStore::m_closeRecordStore, open_store("q"));
    EXPECT_EQ(disk_bytes(kIndex + "rec.1"), bytes("KRMS0001q"));
    p = open_store("p");
    EXPECT_EQ(array_bytes(vcall(RecordStore::m_getRecord, p, 0)), v({7, 8}));
    EXPECT_EQ(name_of(p), "p");
    unlink((store(1) + "name").c_str());
    open_store("q");
    EXPECT_EQ(disk_bytes(store(1) + "name"), name_file("KRMS0001kAWT-RS:q"));
    EXPECT_FALSE(file_exists(kIndex + "rec.2"));  // no second index record of either
    write_file(kIndex + "rec.2", {1, 2, 3});
    open_store("c");
    EXPECT_EQ(disk_bytes(kIndex + "rec.3"), bytes("KRMS0003c"));
  });
}

// A new store takes a type that no index record and no database of the stores already has,
// so it never opens another store's records nor replaces its index record. An index record
// naming the index's own ids is no store. Stores a, b, c (types 0000 to 0002, one record
// each) are made first; then the index is damaged and store d opened.
TEST_F(RecordStores, NewStoreSharesNoDatabase) {
  struct Row {
    const char* what;
    std::function<void()> damage;
    int type;       // the one d gets
    bool cIndexed;  // c can still be found
  };
  const Row rows[] = {
      {"b's index record deleted",
       [] {
         unlink((kIndex + "rec.1").c_str());
         rename((kIndex + "rec.2").c_str(), (kIndex + "rec.1").c_str());
       },
       3, true},
      {"b's index record file removed", [] { unlink((kIndex + "rec.1").c_str()); }, 3, true},
      {"b's index record names the index as d",
       [] { write_file(kIndex + "rec.1", bytes("KRMSStrsd")); }, 3, true},
      {"c's index record lost, its database kept", [] { unlink((kIndex + "rec.2").c_str()); }, 3,
       false},
      {"a database of type 0003 without an index record",
       [] {
         write_file(store(3) + "name", name_file("KRMS0003kAWT-RS:x"));
         write_file(store(3) + "rec.0", {'x'});
       },
       4, true},
  };
  run_storage_program([&] {
    for (const Row& r : rows) {
      SCOPED_TRACE(r.what);
      empty_dir();
      for (const char* name : {"a", "b", "c"}) {
        Ref volatile s = open_store(name);
        vcall(RecordStore::m_addRecord, s, byte_array({uint8_t(name[0])}), 0, 1);
        vcall(RecordStore::m_closeRecordStore, s);
      }
      r.damage();
      Ref volatile d = open_store("d");
      EXPECT_EQ(vcall(RecordStore::m_getNumRecords, d), 0);
      EXPECT_EQ(vcall(RecordStore::m_addRecord, d, byte_array({'d'}), 0, 1), 0);
      vcall(RecordStore::m_closeRecordStore, d);
      EXPECT_EQ(disk_bytes(store(r.type) + "name"),
                name_file("KRMS" + digits(r.type) + "kAWT-RS:d"));
      EXPECT_EQ(disk_bytes(store(r.type) + "rec.0"), v({'d'}));
      EXPECT_EQ(disk_bytes(kIndex + "name"), name_file("KRMSStrskAWT-RmsStores"));
      for (int n = 0; n < 3; n++) {
        EXPECT_EQ(disk_bytes(store(n) + "rec.0"), v({uint8_t('a' + n)}));
        EXPECT_FALSE(file_exists(store(n) + "rec.1"));
      }
      int naming_d = 0;
      for (int i = 0; file_exists(kIndex + "rec." + std::to_string(i)); i++)
        naming_d +=
            disk_bytes(kIndex + "rec." + std::to_string(i)) == bytes("KRMS" + digits(r.type) + "d");
      EXPECT_EQ(naming_d, 1);
      d = open_store("d");
      EXPECT_EQ(array_bytes(vcall(RecordStore::m_getRecord, d, 0)), v({'d'}));
      if (!r.cIndexed) continue;
      Ref volatile c = open_store("c");
      EXPECT_EQ(array_bytes(vcall(RecordStore::m_getRecord, c, 0)), v({'c'}));
    }
  });
}

// Ten thousand files: in memory where the system has a memory file system.
class ManyStores : public RecordStores {
  void SetUp() override {
    if (access("/dev/shm", W_OK) == 0) base_ = "/dev/shm";
    RecordStores::SetUp();
  }
};

// A type has four decimal digits: with "0000" to "9999" taken, the next store has none
// ("10000" is not cut to store 1000's "1000"): it is refused and nothing is written.
TEST_F(ManyStores, StoreBeyondTheLastTypeIsRefused) {
  write_file(kIndex + "name", name_file("KRMSStrskAWT-RmsStores"));
  for (int n = 0; n < 10000; n++)
    write_file(kIndex + "rec." + std::to_string(n),
               bytes("KRMS" + digits(n) + "s" + std::to_string(n)));
  write_file(store(1000) + "name", name_file("KRMS1000kAWT-RS:s1000"));
  write_file(store(1000) + "rec.0", {42});
  run_storage_program([] {
    size_t files = dir_entries().size();
    EXPECT_EQ(thrown_by([] { open_store("more"); }),
              "javax/microedition/rms/RecordStoreFullException");
    EXPECT_EQ(dir_entries().size(), files);
    EXPECT_EQ(disk_bytes(store(1000) + "rec.0"), v({42}));
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
      EXPECT_EQ(disk_bytes(store(0) + "rec." + std::to_string(position)), stored);
      EXPECT_EQ(vcall(RecordStore::m_getNextRecordID, s), position + 2);
    }
    EXPECT_EQ(vcall(RecordStore::m_getNumRecords, s), 4);
    EXPECT_EQ(vcall(RecordStore::m_getSize, s), 6);
    EXPECT_EQ(vcall(RecordStore::m_getRecordSize, s, 0), 3);
    EXPECT_EQ(vcall(RecordStore::m_getRecordSize, s, 1), 0);
    const std::string outOfBounds = "java/lang/ArrayIndexOutOfBoundsException";
    for (jint count : {5, 0x7fffffff, -1})  // checked before anything is allocated
      EXPECT_EQ(thrown_by([&] { vcall(RecordStore::m_addRecord, s, byte_array({1}), 1, count); }),
                outOfBounds);
    EXPECT_EQ(vcall(RecordStore::m_getVersion, s), 0);
    EXPECT_EQ(thrown_by([&] { vcall(RecordStore::m_setRecord, s, 2, byte_array({9}), 0, 1); }),
              "javax/microedition/rms/RecordStoreException");
    EXPECT_EQ(disk_bytes(store(0) + "rec.2"), v({4, 5}));
    Ref volatile buffer = byte_array({0, 0, 0, 0});
    EXPECT_EQ(vcall(RecordStore::m_getRecordInto, s, 2, buffer, 1), 2);
    EXPECT_EQ(array_bytes(buffer), v({0, 4, 5, 0}));
    EXPECT_EQ(thrown_by([&] { vcall(RecordStore::m_getRecordInto, s, 2, buffer, 3); }),
              outOfBounds);
  });
}

// An append returns the position it wrote, and replaces no record even when a record file
// vanished since the store was opened. Deleting moves later records down; positions past the
// last are invalid; a closed store is not open.
TEST_F(RecordStores, AddAndDeletePositionsAndClose) {
  run_storage_program([] {
    Ref volatile s = open_store("p");
    for (uint8_t i = 0; i < 3; i++) vcall(RecordStore::m_addRecord, s, byte_array({i}), 0, 1);
    unlink((store(0) + "rec.1").c_str());
    EXPECT_EQ(vcall(RecordStore::m_addRecord, s, byte_array({3}), 0, 1), 2);
    EXPECT_EQ(vcall(RecordStore::m_getNumRecords, s), 3);
    for (uint8_t i : {0, 1, 2})
      EXPECT_EQ(array_bytes(vcall(RecordStore::m_getRecord, s, i)), v({uint8_t(i ? i + 1 : 0)}));
    vcall(RecordStore::m_deleteRecord, s, 0);
    EXPECT_EQ(vcall(RecordStore::m_getNumRecords, s), 2);
    EXPECT_EQ(array_bytes(vcall(RecordStore::m_getRecord, s, 0)), v({2}));
    EXPECT_EQ(disk_bytes(store(0) + "rec.1"), v({3}));
    EXPECT_FALSE(file_exists(store(0) + "rec.2"));
    const std::string invalid = "javax/microedition/rms/InvalidRecordIDException";
    EXPECT_EQ(thrown_by([&] { vcall(RecordStore::m_getRecord, s, 2); }), invalid);
    EXPECT_EQ(thrown_by([&] { vcall(RecordStore::m_getRecordSize, s, -1); }), invalid);
    EXPECT_EQ(vcall(RecordStore::m_getRecord, s, -1), nullptr);  // left to the database
    vcall(RecordStore::m_closeRecordStore, s);
    const std::string notOpen = "javax/microedition/rms/RecordStoreNotOpenException";
    EXPECT_EQ(thrown_by([&] { vcall(RecordStore::m_getNumRecords, s); }), notOpen);
    EXPECT_EQ(thrown_by([&] { vcall(RecordStore::m_closeRecordStore, s); }), notOpen);
    EXPECT_EQ(thrown_by([&] { vcall(RecordStore::m_getRecord, s, 0); }),
              "javax/microedition/rms/RecordStoreException");
    EXPECT_EQ(disk_bytes(store(0) + "rec.0"), v({2}));
    EXPECT_EQ(disk_bytes(store(0) + "rec.1"), v({3}));
  });
}

}  // namespace
