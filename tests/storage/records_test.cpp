// Record files through the natives: numbering, append, gaps, delete and renumbering.
#include <fcntl.h>
#include <unistd.h>

#include "host/db.h"
#include "storage_program.h"

namespace {

class Records : public StorageTest {};

const char* const kName = "00000001-00000002-name";
std::string rec(int n) { return "00000001-00000002-rec." + std::to_string(n); }
std::vector<uint8_t> v(std::initializer_list<uint8_t> b) { return b; }

// A database 1/2 with the given records, opened read-write.
Ref database_with(const std::vector<std::vector<uint8_t>>& records) {
  EXPECT_EQ(db_create(0, lit("Test"), 1, 2, 0), 1);
  for (size_t i = 0; i < records.size(); i++) write_file(rec(static_cast<int>(i)), records[i]);
  Ref db = raw_database(1, 2, 3);
  EXPECT_GE(handle(db), 1);
  return db;
}

// db_get_record the way class code calls it: with a new empty byte array.
Ref get(Ref db, jint n) { return db_get_record(db, n, byte_array({})); }

TEST_F(Records, CountIsTheNumberOfRecordFiles) {
  run_storage_program([] {
    Ref db = database_with({v({1}), v({2}), v({3})});
    EXPECT_EQ(db_record_count(db), 3);
    write_file("00000001-00000003-rec.0", {9});  // another database's record
    write_file("00000001-00000002-recx", {9});   // not of the pattern
    EXPECT_EQ(db_record_count(db), 3);
    write_file(rec(0) + ".bak", {9});  // of the pattern though not numbered
    EXPECT_EQ(db_record_count(db), 4);
  });
}

TEST_F(Records, NewDatabaseHasNoRecords) {
  run_storage_program([] {
    Ref db = database_with({});
    EXPECT_EQ(db_record_count(db), 0);
    EXPECT_EQ(get(db, 0), nullptr);
    EXPECT_EQ(rt_take_error(), ERR_NONE);
  });
}

TEST_F(Records, GetReadsTheWholeRecordIntoTheGivenArray) {
  run_storage_program([] {
    std::vector<uint8_t> all(256);
    for (int i = 0; i < 256; i++) all[i] = static_cast<uint8_t>(i);
    Ref db = database_with({v({7}), all});
    Ref volatile array = byte_array({});
    Ref got = db_get_record(db, 1, array);
    EXPECT_EQ(got, array);  // the same array, now holding the record
    ASSERT_NE(got, nullptr);
    EXPECT_EQ(rt_array(got)->length, 256);
    EXPECT_EQ(array_bytes(got), all);
  });
}

TEST_F(Records, GetOfAMissingRecordIsNullWithoutError) {
  run_storage_program([] {
    Ref db = database_with({v({1})});
    rt_set_error(ERR_SOCKET, 1);
    EXPECT_EQ(get(db, 1), nullptr);
    EXPECT_EQ(rt_take_error(), ERR_NONE);
    EXPECT_EQ(get(db, 1000), nullptr);
    EXPECT_EQ(get(db, -1), nullptr);
    EXPECT_EQ(rt_take_error(), ERR_NONE);
  });
}

TEST_F(Records, GetOfAnEmptyRecordGivesTheArrayUnchanged) {
  run_storage_program([] {
    Ref db = database_with({v({})});
    Ref volatile array = byte_array({});
    void* storage = rt_array(array)->storage;
    EXPECT_EQ(db_get_record(db, 0, array), array);
    EXPECT_EQ(rt_array(array)->length, 0);
    EXPECT_EQ(rt_array(array)->storage, storage);
    EXPECT_EQ(rt_take_error(), ERR_NONE);
  });
}

TEST_F(Records, NullDatabaseOrArrayIsANullPointer) {
  run_storage_program([] {
    Ref db = database_with({v({1})});
    EXPECT_EQ(db_get_record(nullptr, 0, byte_array({})), nullptr);
    EXPECT_EQ(rt_take_error(), ERR_NULL_POINTER);
    EXPECT_EQ(db_get_record(db, 0, nullptr), nullptr);
    EXPECT_EQ(rt_take_error(), ERR_NULL_POINTER);
    EXPECT_EQ(db_set_record(nullptr, 0, byte_array({1})), 0);
    EXPECT_EQ(rt_take_error(), ERR_NULL_POINTER);
    EXPECT_EQ(db_set_record(db, 0, nullptr), 0);
    EXPECT_EQ(rt_take_error(), ERR_NULL_POINTER);
    // These fail quietly.
    EXPECT_EQ(db_record_count(nullptr), 0);
    EXPECT_EQ(db_delete_record(nullptr, 0), 0);
    db_close(nullptr);
    EXPECT_EQ(rt_take_error(), ERR_NONE);
    EXPECT_EQ(file_bytes(rec(0)), v({1}));
  });
}

TEST_F(Records, SetWritesExactlyTheArraysBytes) {
  run_storage_program([] {
    Ref db = database_with({v({1, 2, 3, 4, 5})});
    EXPECT_EQ(db_set_record(db, 0, byte_array({9, 8})), 1);
    EXPECT_EQ(file_bytes(rec(0)), v({9, 8}));  // replaced, not overlaid
    EXPECT_EQ(db_set_record(db, 0, byte_array({})), 1);
    EXPECT_TRUE(file_exists(rec(0)));
    EXPECT_TRUE(file_bytes(rec(0)).empty());
    EXPECT_EQ(db_record_count(db), 1);
  });
}

TEST_F(Records, AppendWritesTheNextNumber) {
  run_storage_program([] {
    Ref db = database_with({v({0}), v({1}), v({2})});
    EXPECT_EQ(db_set_record(db, DB_APPEND, byte_array({3, 3})), 1);
    EXPECT_EQ(file_bytes(rec(3)), v({3, 3}));
    EXPECT_EQ(db_record_count(db), 4);
  });
}

TEST_F(Records, AppendsToAnEmptyDatabaseNumberFromZero) {
  run_storage_program([] {
    Ref db = database_with({});
    for (uint8_t i = 0; i < 3; i++) EXPECT_EQ(db_set_record(db, DB_APPEND, byte_array({i})), 1);
    EXPECT_EQ(file_bytes(rec(0)), v({0}));
    EXPECT_EQ(file_bytes(rec(1)), v({1}));
    EXPECT_EQ(file_bytes(rec(2)), v({2}));
    EXPECT_EQ(db_record_count(db), 3);
  });
}

TEST_F(Records, SetPastTheEndLeavesAGap) {
  run_storage_program([] {
    Ref db = database_with({v({0}), v({1})});
    EXPECT_EQ(db_set_record(db, 5, byte_array({5})), 1);
    EXPECT_EQ(file_bytes(rec(5)), v({5}));
    EXPECT_EQ(db_record_count(db), 3);
    EXPECT_FALSE(file_exists(rec(2)));
    EXPECT_EQ(get(db, 2), nullptr);
    EXPECT_EQ(array_bytes(get(db, 5)), v({5}));
  });
}

TEST_F(Records, NegativeNumbersAreRefusedWithoutTouchingFiles) {
  run_storage_program([] {
    Ref db = database_with({v({0}), v({1})});
    EXPECT_EQ(db_set_record(db, -1, byte_array({9})), 0);
    EXPECT_EQ(db_delete_record(db, -1), 0);
    EXPECT_EQ(rt_take_error(), ERR_NONE);
    EXPECT_EQ(db_record_count(db), 2);
    EXPECT_EQ(file_bytes(rec(0)), v({0}));
    EXPECT_EQ(file_bytes(rec(1)), v({1}));
  });
}

TEST_F(Records, DeleteInTheMiddleRenumbersTheLaterRecords) {
  run_storage_program([] {
    Ref db = database_with({v({0}), v({1}), v({2}), v({3})});
    EXPECT_EQ(db_delete_record(db, 1), 1);
    EXPECT_EQ(db_record_count(db), 3);
    EXPECT_EQ(file_bytes(rec(0)), v({0}));
    EXPECT_EQ(file_bytes(rec(1)), v({2}));
    EXPECT_EQ(file_bytes(rec(2)), v({3}));
    EXPECT_FALSE(file_exists(rec(3)));
  });
}

TEST_F(Records, DeleteFirstAndLast) {
  run_storage_program([] {
    Ref db = database_with({v({0}), v({1}), v({2})});
    EXPECT_EQ(db_delete_record(db, 2), 1);
    EXPECT_EQ(db_delete_record(db, 0), 1);
    EXPECT_EQ(db_record_count(db), 1);
    EXPECT_EQ(file_bytes(rec(0)), v({1}));
    EXPECT_EQ(db_delete_record(db, 0), 1);
    EXPECT_EQ(db_record_count(db), 0);
  });
}

TEST_F(Records, DeleteAtOrBeyondTheCountDeletesNothingAndSucceeds) {
  run_storage_program([] {
    Ref db = database_with({v({0}), v({1})});
    EXPECT_EQ(db_delete_record(db, 2), 1);
    EXPECT_EQ(db_delete_record(db, 70000), 1);
    EXPECT_EQ(db_record_count(db), 2);
  });
}

// The walk goes by the count of files, so a record numbered past it stays where it is.
TEST_F(Records, DeleteWithAGapWalksOnlyUpToTheCount) {
  run_storage_program([] {
    Ref db = database_with({v({0}), v({1}), v({2})});
    EXPECT_EQ(db_set_record(db, 4, byte_array({4})), 1);  // files 0, 1, 2, 4: count 4
    EXPECT_EQ(db_delete_record(db, 0), 1);
    EXPECT_EQ(file_bytes(rec(0)), v({1}));
    EXPECT_EQ(file_bytes(rec(1)), v({2}));
    EXPECT_FALSE(file_exists(rec(2)));
    EXPECT_FALSE(file_exists(rec(3)));
    EXPECT_EQ(file_bytes(rec(4)), v({4}));
    EXPECT_EQ(db_record_count(db), 3);
  });
}

TEST_F(Records, ClosedOrUnopenedDatabaseFindsNoIdsAndReportsFailure) {
  run_storage_program([] {
    Ref db = database_with({v({0})});
    db_close(db);
    EXPECT_EQ(handle(db), -1);
    Ref missing = raw_database(7, 7, 3);
    EXPECT_EQ(handle(missing), 0);
    for (Ref d : {db, missing}) {
      EXPECT_EQ(db_record_count(d), 0);
      EXPECT_EQ(get(d, 0), nullptr);
      EXPECT_EQ(db_set_record(d, 0, byte_array({1})), 0);
      EXPECT_EQ(db_delete_record(d, 0), 0);
      EXPECT_EQ(rt_take_error(), ERR_NONE);
    }
    EXPECT_EQ(file_bytes(rec(0)), v({0}));
  });
}

// A handle of 0 is "not open": the natives must not read ids from standard input.
TEST_F(Records, AnUnopenedDatabaseNeverReadsStandardInput) {
  run_storage_program([] {
    database_with({v({0}), v({1})});
    int saved = dup(0);
    ASSERT_GE(saved, 0);
    int fake = open(kName, O_RDONLY);  // standard input now holds the ids of 1/2
    ASSERT_GE(fake, 0);
    dup2(fake, 0);
    close(fake);
    Ref unopened = raw_database(7, 7, 3);
    jint count = db_record_count(unopened);
    Ref got = get(unopened, 0);
    jint set = db_set_record(unopened, 0, byte_array({9}));
    jint deleted = db_delete_record(unopened, 0);
    dup2(saved, 0);
    close(saved);
    EXPECT_EQ(handle(unopened), 0);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(got, nullptr);
    EXPECT_EQ(set, 0);
    EXPECT_EQ(deleted, 0);
    EXPECT_EQ(file_bytes(rec(0)), v({0}));
    EXPECT_EQ(file_bytes(rec(1)), v({1}));
  });
}

TEST_F(Records, CloseClosesTheDescriptorOnceAndMarksMinusOne) {
  run_storage_program([] {
    Ref db = database_with({});
    jint fd = handle(db);
    ASSERT_TRUE(fd_is_open(fd));
    db_close(db);
    EXPECT_EQ(handle(db), -1);
    EXPECT_FALSE(fd_is_open(fd));
    int other = open(kName, O_RDONLY);  // likely takes the freed number
    db_close(db);                       // closing again touches nothing
    EXPECT_TRUE(fd_is_open(other));
    close(other);
  });
}

TEST_F(Records, ReadOnlyOpenStillReadsAndWritesRecords) {
  run_storage_program([] {
    database_with({v({0})});
    Ref ro = raw_database(1, 2, 1);
    EXPECT_EQ(array_bytes(get(ro, 0)), v({0}));
    // The mode guards the name file only.
    EXPECT_EQ(db_set_record(ro, DB_APPEND, byte_array({1})), 1);
    EXPECT_EQ(db_record_count(ro), 2);
  });
}

TEST_F(Records, TwoDatabaseObjectsShareTheSameFiles) {
  run_storage_program([] {
    Ref a = database_with({v({0})});
    Ref b = raw_database(1, 2, 3);
    ASSERT_GE(handle(b), 1);
    EXPECT_NE(handle(a), handle(b));
    EXPECT_EQ(db_set_record(a, DB_APPEND, byte_array({1})), 1);
    EXPECT_EQ(db_record_count(b), 2);
    EXPECT_EQ(array_bytes(get(b, 1)), v({1}));
    EXPECT_EQ(db_delete_record(b, 0), 1);
    EXPECT_EQ(db_record_count(a), 1);
    EXPECT_EQ(array_bytes(get(a, 0)), v({1}));
    db_close(a);
    EXPECT_EQ(db_set_record(b, DB_APPEND, byte_array({2})), 1);  // b keeps its own file
    EXPECT_EQ(db_record_count(b), 2);
  });
}

TEST_F(Records, GetIntoAFilledArrayReplacesItsStorageAndCountsExactly) {
  run_storage_program([] {
    Ref db = database_with({v({1, 2, 3})});
    Ref volatile array = byte_array(std::vector<uint8_t>(100, 7));
    int64_t before = rt_heap_in_use();
    EXPECT_EQ(db_get_record(db, 0, array), array);
    EXPECT_EQ(array_bytes(array), v({1, 2, 3}));
    EXPECT_EQ(rt_heap_in_use(), before - 100 + 3);  // the old storage went back
  });
}

TEST_F(Records, GetIntoAnArrayOfWiderElementsIsRefused) {
  run_storage_program([] {
    Ref db = database_with({v({1, 2, 3})});
    Ref volatile ints = rt_new_array(rt_class_index_by_name("[I"), 4, 0);
    EXPECT_EQ(db_get_record(db, 0, ints), nullptr);
    EXPECT_EQ(rt_take_error(), ERR_ILLEGAL_ARGUMENT);
    EXPECT_EQ(rt_array(ints)->length, 0);
  });
}

// A scratch file left behind by a run that stopped mid-write is no record, and the next
// write of that record replaces it.
TEST_F(Records, LeftoverScratchFileIsNoRecord) {
  run_storage_program([] {
    Ref db = database_with({v({0})});
    write_file("00000001-00000002-new.0", {9, 9, 9, 9});
    EXPECT_EQ(db_record_count(db), 1);
    EXPECT_EQ(db_set_record(db, 0, byte_array({5})), 1);
    EXPECT_EQ(file_bytes(rec(0)), v({5}));
    EXPECT_EQ(dir_entries(), (std::vector<std::string>{kName, rec(0)}));
  });
}

TEST_F(Records, ShortWriteReportsFailureAndKeepsTheOldRecord) {
  run_storage_program([] {
    Ref db = database_with({v({1, 2, 3})});
    std::vector<uint8_t> big(5000, 0x5a);
    jint replaced, appended;
    {
      FileSizeLimit limit(1000);
      replaced = db_set_record(db, 0, byte_array(big));
      appended = db_set_record(db, DB_APPEND, byte_array(big));
    }
    EXPECT_EQ(replaced, 0);
    EXPECT_EQ(appended, 0);
    EXPECT_EQ(rt_take_error(), ERR_NONE);
    EXPECT_EQ(file_bytes(rec(0)), v({1, 2, 3}));
    EXPECT_FALSE(file_exists(rec(1)));
    EXPECT_EQ(db_record_count(db), 1);
    EXPECT_EQ(dir_entries(), (std::vector<std::string>{kName, rec(0)}));  // no scratch file left
    EXPECT_EQ(db_set_record(db, 0, byte_array(big)), 1);  // without the limit it fits
    EXPECT_EQ(file_bytes(rec(0)), big);
  });
}

}  // namespace
