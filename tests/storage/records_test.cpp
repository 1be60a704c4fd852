// Record files through the natives: numbering, append, gaps, delete and renumbering.

#include "storage_program.h"

namespace {

class Records : public StorageTest {};

// Only a record number (decimal, no leading zero) names a record: a copy such as rec.0.bak
// would otherwise make the count point past the last record, and an append leave a gap.
TEST_F(Records, CountIsOfNumberedRecordFiles) {
  run_storage_program([] {
    EXPECT_EQ(db_record_count(database_with({})), 0);
    Ref db = database_with({{1}, {2}, {3}});
    write_file("00000001-00000003-rec.0", {9});  // another database's record
    write_file("00000001-00000002-recx", {9});   // not of the pattern
    write_file("00000001-00000002-new.0", {9});  // a scratch file left by a stopped write
    for (const char* stray : {".bak", "0"}) write_file(rec(0) + stray, {9});
    write_file("00000001-00000002-rec.", {9});
    write_file("00000001-00000002-rec.07", {9});
    EXPECT_EQ(db_record_count(db), 3);
    EXPECT_EQ(db_set_record(db, DB_APPEND, byte_array({4})), 1);
    EXPECT_EQ(disk_bytes(rec(3)), v({4}));
    EXPECT_EQ(db_record_count(db), 4);
  });
}

TEST_F(Records, GetReadsTheWholeRecordIntoTheGivenArray) {
  run_storage_program([] {
    Bytes all(256);
    for (int i = 0; i < 256; i++) all[i] = static_cast<uint8_t>(i);
    Ref db = database_with({{}, all});
    Ref volatile array = byte_array(Bytes(100, 7));
    EXPECT_EQ(db_get_record(db, 1, array), array);  // the same array, now holding the record
    EXPECT_EQ(array_bytes(array), all);
    // An empty record leaves the array as it was.
    void* storage = rt_array(array)->storage;
    EXPECT_EQ(db_get_record(db, 0, array), array);
    EXPECT_EQ(rt_array(array)->storage, storage);
    // Missing records are null without an error, even with a stale one pending.
    for (jint n : {2, 1000, -1}) {
      rt_set_error(ERR_SOCKET, 1);
      EXPECT_EQ(took(get(db, n)), want<Ref>(nullptr));
    }
    // Get and set fail on a null database or array; count, delete and close fail quietly.
    EXPECT_EQ(took(get(nullptr, 0)), want<Ref>(nullptr, ERR_NULL_POINTER));
    EXPECT_EQ(took(db_record_count(nullptr)), want(0));
    EXPECT_EQ(disk_bytes(rec(0)), Bytes{});
    EXPECT_EQ(disk_bytes(rec(1)), all);
  });
}

// Set and append write exactly the array's bytes at its number (the next one, never one
// past it, never a negative one). An append never replaces a record: a gap that another
// program, or a delete stopped half-way, left since the open is closed first, records kept
// in order. Delete renumbers the later records up to the count of files, so a record
// numbered past it stays where it is. "-" is a missing file; record `missing` is removed
// after the open.
TEST_F(Records, SetAndDeleteNumberTheRecordFiles) {
  struct Case {
    char op;  // 's'et or 'd'elete
    std::vector<Bytes> before;
    jint index, result, count;
    std::vector<std::string> after;
    Bytes bytes = {};
    int missing = -1;
  };
  const Case cases[] = {
      {'s', {{1, 2, 3, 4, 5}}, 0, 1, 1, {"ab"}, {'a', 'b'}},  // replaced, not overlaid
      {'s', {{1}}, 0, 1, 1, {""}},                            // an empty record is an empty file
      {'s', {{'0'}, {'1'}, {'2'}}, DB_APPEND, 1, 4, {"0", "1", "2", "3"}, {'3'}},
      {'s', {}, DB_APPEND, 1, 1, {"0", "-"}, {'0'}},
      {'s', {{'0'}, {'1'}}, 5, 0, 2, {"0", "1", "-", "-", "-", "-"}, {'5'}},  // a gap: refused
      {'s', {{'0'}, {'1'}}, 2, 1, 3, {"0", "1", "2"}, {'2'}},                 // just past the end
      {'s', {{'0'}, {'1'}, {'2'}, {}, {'4'}}, DB_APPEND, 1, 5, {"0", "1", "2", "4", "5"}, {'5'}, 3},
      {'s', {{'0'}, {}, {'2'}}, 1, 1, 3, {"0", "1", "2"}, {'1'}, 1},  // fills the gap it names
      {'s', {{'0'}, {'1'}}, -1, 0, 2, {"0", "1", "-"}, {'9'}},
      {'d', {{'0'}, {'1'}, {'2'}, {'3'}}, 1, 1, 3, {"0", "2", "3", "-"}},
      {'d', {{'0'}, {'1'}, {'2'}}, 0, 1, 2, {"1", "2", "-"}},
      {'d', {{'0'}, {'1'}, {'2'}}, 2, 1, 2, {"0", "1", "-"}},
      {'d', {{'0'}}, 0, 1, 0, {"-"}},
      {'d', {{'0'}, {'1'}}, 2, 1, 2, {"0", "1"}},
      {'d', {{'0'}, {'1'}}, 70000, 1, 2, {"0", "1"}},
      {'d', {{'0'}, {'1'}}, -1, 0, 2, {"0", "1"}},
      {'d', {{'0'}, {'1'}, {'2'}, {}, {'4'}}, 0, 1, 3, {"1", "2", "-", "-", "4"}, {}, 3},
  };
  run_storage_program([&] {
    for (size_t i = 0; i < std::size(cases); i++) {
      const Case& c = cases[i];
      SCOPED_TRACE(i);
      empty_dir();
      Ref db = database_with(c.before);
      if (c.missing >= 0) unlink(rec(c.missing).c_str());
      EXPECT_EQ(c.op == 's' ? db_set_record(db, c.index, byte_array(c.bytes))
                            : db_delete_record(db, c.index),
                c.result);
      EXPECT_EQ(db_record_count(db), c.count);
      EXPECT_EQ(records_on_disk(static_cast<int>(c.after.size())), c.after);
    }
  });
}

// The open mode guards the name file only: objects of one database share its files, and
// one goes on when another is closed. Close closes the descriptor once and marks -1. A
// closed (-1) or never opened (0) database finds no ids and fails quietly; a handle of 0
// never reads ids from standard input, which here holds those of 1/2.
TEST_F(Records, ObjectsOfADatabaseShareItsFilesUntilClosed) {
  run_storage_program([] {
    Ref db = database_with({{0}});
    Ref b = raw_database(1, 2, 1);
    ASSERT_GE(handle(b), 1);
    EXPECT_NE(handle(db), handle(b));
    EXPECT_EQ(db_set_record(b, DB_APPEND, byte_array({1})), 1);
    EXPECT_EQ(db_record_count(db), 2);
    EXPECT_EQ(db_delete_record(db, 0), 1);
    EXPECT_EQ(array_bytes(get(b, 0)), Bytes{1});
    jint fd = handle(db);
    ASSERT_TRUE(fd_is_open(fd));
    db_close(db);
    EXPECT_EQ(handle(db), -1);
    EXPECT_FALSE(fd_is_open(fd));
    int other = open(kName, O_RDONLY);  // likely takes the freed number
    db_close(db);                       // closing again touches nothing
    EXPECT_TRUE(fd_is_open(other));
    close(other);
    EXPECT_EQ(db_set_record(b, DB_APPEND, byte_array({2})), 1);
    EXPECT_EQ(db_record_count(b), 2);
    Ref unopened = raw_database(7, 7, 3);
    EXPECT_EQ(handle(unopened), 0);
    int saved = dup(0);
    ASSERT_GE(saved, 0);
    int fake = open(kName, O_RDONLY);
    ASSERT_GE(fake, 0);
    dup2(fake, 0);
    close(fake);
    for (Ref d : {db, unopened}) {
      EXPECT_EQ(took(db_set_record(d, 0, byte_array({9}))), want(0));
      EXPECT_EQ(took(db_delete_record(d, 0)), want(0));
    }
    dup2(saved, 0);
    close(saved);
    EXPECT_EQ(records_on_disk(2), (Names{"\1", "\2"}));
  });
}

}  // namespace
