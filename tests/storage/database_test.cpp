// com/sun/kjava/Database as class code uses it, the heap budget of records, the release
// of collected databases.
#include "com/sun/kjava/Database.h"

#include <algorithm>

#include "storage_program.h"

namespace {

using com::sun::kjava::Database;

class DatabaseClass : public StorageTest {};

// A missing database is not open and throws nothing; a bad mode or a null argument
// throws (the natives' argument rules are pinned where they are made); an open database
// adds, gets, sets and deletes records by number.
TEST_F(DatabaseClass, CreateOpenAddGetDeleteClose) {
  run_storage_program([] {
    EXPECT_EQ(thrown_by([] {
                Ref volatile db = jnew<Database>(2, 1, 1);
                EXPECT_FALSE(vcall(Database::m_isOpen, db));
                EXPECT_FALSE(vcall(Database::m_addRecord, db, byte_array({1})));
              }),
              "");
    EXPECT_TRUE(Database::create(0, lit("Abc"), 1, 2, false));
    EXPECT_EQ(thrown_by([] { jnew<Database>(2, 1, 4); }), "java/lang/IllegalArgumentException");
    Ref volatile db = jnew<Database>(2, 1, 3);  // type before creator
    EXPECT_TRUE(vcall(Database::m_isOpen, db));
    EXPECT_EQ(thrown_by([&] { vcall(Database::m_addRecord, db, nullptr); }),
              "java/lang/NullPointerException");
    for (uint8_t i = 0; i < 3; i++)
      EXPECT_TRUE(vcall(Database::m_addRecord, db, byte_array({i, i})));
    EXPECT_TRUE(vcall(Database::m_deleteRecord, db, 0));
    EXPECT_EQ(vcall(Database::m_getNumberOfRecords, db), 2);
    EXPECT_EQ(array_bytes(vcall(Database::m_getRecord, db, 0)), v({1, 1}));
    EXPECT_TRUE(vcall(Database::m_setRecord, db, 1, byte_array({7})));
    EXPECT_EQ(disk_bytes(rec(1)), v({7}));
    // Past the end it would leave a gap that a later append fills by replacing a record.
    EXPECT_FALSE(vcall(Database::m_setRecord, db, 5, byte_array({9})));
    EXPECT_FALSE(file_exists(rec(5)));
    EXPECT_EQ(vcall(Database::m_getNumberOfRecords, db), 2);
    // An empty record is an empty array, a missing one null.
    EXPECT_TRUE(vcall(Database::m_setRecord, db, 0, byte_array({})));
    Ref empty = vcall(Database::m_getRecord, db, 0);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(alen(empty), 0);
    EXPECT_EQ(rt_class_of(empty), rt_class_index_by_name("[B"));
    EXPECT_EQ(vcall(Database::m_getRecord, db, 2), nullptr);
    vcall(Database::m_close, db);
    EXPECT_FALSE(vcall(Database::m_isOpen, db));
  });
}

// A delete stopped between its remove and its rename (record 1 of four removed, none moved)
// leaves a gap: opening read-write closes it in order, as the delete would have, so every
// number up to the count reads and an append replaces nothing. Opening read-only moves
// nothing.
TEST_F(DatabaseClass, GapLeftByAStoppedDeleteIsClosedOnOpen) {
  run_storage_program([] {
    Database::create(0, lit("Abc"), 1, 2, false);
    for (int i : {0, 2, 3}) write_file(rec(i), {uint8_t('a' + i)});
    Ref volatile reader = jnew<Database>(2, 1, 1);
    EXPECT_EQ(records_on_disk(4), (Names{"a", "-", "c", "d"}));
    Ref volatile db = jnew<Database>(2, 1, 3);
    EXPECT_EQ(records_on_disk(4), (Names{"a", "c", "d", "-"}));
    EXPECT_EQ(vcall(Database::m_getNumberOfRecords, db), 3);
    EXPECT_EQ(array_bytes(vcall(Database::m_getRecord, reader, 1)), v({'c'}));
    EXPECT_TRUE(vcall(Database::m_addRecord, db, byte_array({'e'})));
    EXPECT_EQ(records_on_disk(5), (Names{"a", "c", "d", "e", "-"}));
  });
}

// The record's bytes are counted by the heap budget, and a collection gives them back:
// 200 KB read through a 128 KiB heap. A record larger than the heap is an
// out-of-memory error, not a fatal one, and leaks neither memory nor a descriptor.
TEST_F(DatabaseClass, RecordStorageIsCountedByTheHeapAndGivenBack) {
  run_storage_program([] {
    Database::create(0, lit("Abc"), 1, 2, false);
    write_file(rec(0), Bytes(1000, 0x11));
    write_file(rec(1), Bytes(RT_HEAP_LIMIT + 1, 0x22));
    Ref volatile db = jnew<Database>(2, 1, 1);
    int fds = open_fd_count();
    for (int i = 0; i < 200; i++) {
      [&]() __attribute__((noinline)) { vcall(Database::m_getRecord, db, 0); }
      ();
    }
    EXPECT_EQ(thrown_by([&] { vcall(Database::m_getRecord, db, 1); }),
              "java/lang/OutOfMemoryError");
    EXPECT_EQ(open_fd_count(), fds);
    EXPECT_TRUE(host_log.fatals.empty());
    // Past 4 GiB (sparse: no disk used) the length is not even read.
    ASSERT_EQ(truncate64(rec(1).c_str(), (int64_t{1} << 32) + 5), 0);
    EXPECT_EQ(thrown_by([&] { vcall(Database::m_getRecord, db, 1); }),
              "java/lang/OutOfMemoryError");
    EXPECT_EQ(open_fd_count(), fds);
  });
}

// Made in a frame of its own, so nothing of it stays on the stack; closed first or not.
__attribute__((noinline)) jint unreferenced_database(bool closed) {
  Ref db = jnew<Database>(2, 1, 3);
  jint fd = Database::f(db).dbRef;
  if (closed) vcall(Database::m_close, db);
  return fd;
}

// A collected database closes its file, unless it was closed and its descriptor number
// now belongs to someone else; the runtime's shutdown closes those still open.
TEST_F(DatabaseClass, CollectorAndShutdownCloseOpenDatabasesOnly) {
  jint open = -1;
  run_storage_program([&] {
    Database::create(0, lit("Abc"), 1, 2, false);
    jint dropped = unreferenced_database(false);
    ASSERT_GE(dropped, 1);
    jint closed = unreferenced_database(true);
    int reused = dup(1);  // takes the lowest free number, which the database gave back
    ASSERT_EQ(reused, closed);
    Ref volatile db = jnew<Database>(2, 1, 3);
    open = Database::f(db).dbRef;
    scrub_stack();
    rt_collect();
    EXPECT_FALSE(fd_is_open(dropped));
    EXPECT_TRUE(fd_is_open(reused));
    EXPECT_TRUE(fd_is_open(open));
    EXPECT_EQ(
        std::count(host_log.released.begin(), host_log.released.end(), "com/sun/kjava/Database"),
        2);
    close(reused);
  });
  ASSERT_GE(open, 1);
  EXPECT_FALSE(fd_is_open(open));
}

}  // namespace
