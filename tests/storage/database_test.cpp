// com/sun/kjava/Database as class code uses it, the heap budget of records, the release
// of collected databases, and the record-store classes.
#include <unistd.h>

#include <algorithm>

#include "com/sun/kjava/Database.h"
#include "host/db.h"
#include "java/lang/IllegalArgumentException.h"
#include "java/lang/NullPointerException.h"
#include "java/lang/OutOfMemoryError.h"
#include "javax/microedition/rms/InvalidRecordIDException.h"
#include "javax/microedition/rms/RecordStore.h"
#include "javax/microedition/rms/RecordStoreException.h"
#include "javax/microedition/rms/RecordStoreFullException.h"
#include "javax/microedition/rms/RecordStoreNotOpenException.h"
#include "storage_program.h"

namespace {

using com::sun::kjava::Database;
namespace rms = javax::microedition::rms;

class DatabaseClass : public StorageTest {};

std::string rec(int n) { return "00000001-00000002-rec." + std::to_string(n); }
std::vector<uint8_t> v(std::initializer_list<uint8_t> b) { return b; }

// The class the exception a call threw, or "" when it threw none.
std::string thrown_by(const std::function<void()>& call) {
  try {
    call();
  } catch (JavaThrow& e) {
    return rt_record(rt_class_of(e.object()))->name;
  }
  return "";
}

TEST_F(DatabaseClass, CreateOpenAddGetDeleteClose) {
  run_storage_program([] {
    EXPECT_TRUE(Database::create(0, lit("Abc"), 1, 2, false));
    EXPECT_EQ(file_bytes("00000001-00000002-name").size(), 40u);
    Ref volatile db = jnew<Database>(2, 1, 3);  // type before creator
    EXPECT_TRUE(vcall(Database::m_isOpen, db));
    for (uint8_t i = 0; i < 3; i++)
      EXPECT_TRUE(vcall(Database::m_addRecord, db, byte_array({i, i})));
    EXPECT_EQ(vcall(Database::m_getNumberOfRecords, db), 3);
    EXPECT_EQ(file_bytes(rec(2)), v({2, 2}));
    EXPECT_TRUE(vcall(Database::m_deleteRecord, db, 0));
    EXPECT_EQ(vcall(Database::m_getNumberOfRecords, db), 2);
    EXPECT_EQ(array_bytes(vcall(Database::m_getRecord, db, 0)), v({1, 1}));
    EXPECT_EQ(array_bytes(vcall(Database::m_getRecord, db, 1)), v({2, 2}));
    EXPECT_TRUE(vcall(Database::m_setRecord, db, 1, byte_array({7})));
    EXPECT_EQ(file_bytes(rec(1)), v({7}));
    vcall(Database::m_close, db);
    EXPECT_EQ(Database::f(db).dbRef, -1);
  });
}

TEST_F(DatabaseClass, IsOpenIsFalseAfterClose) {
  run_storage_program([] {
    Database::create(0, lit("Abc"), 1, 2, false);
    Ref volatile db = jnew<Database>(2, 1, 3);
    vcall(Database::m_close, db);
    EXPECT_FALSE(vcall(Database::m_isOpen, db));
    vcall(Database::m_close, db);  // a second close is harmless
    EXPECT_FALSE(vcall(Database::m_isOpen, db));
  });
}

TEST_F(DatabaseClass, MissingDatabaseIsNotOpenAndThrowsNothing) {
  run_storage_program([] {
    std::string thrown = thrown_by([] {
      Ref volatile db = jnew<Database>(2, 1, 1);
      EXPECT_FALSE(vcall(Database::m_isOpen, db));
      EXPECT_EQ(Database::f(db).dbRef, 0);
      EXPECT_EQ(vcall(Database::m_getNumberOfRecords, db), 0);
      EXPECT_EQ(vcall(Database::m_getRecord, db, 0), nullptr);
      EXPECT_FALSE(vcall(Database::m_addRecord, db, byte_array({1})));
      EXPECT_FALSE(vcall(Database::m_deleteRecord, db, 0));
    });
    EXPECT_EQ(thrown, "");
    EXPECT_TRUE(dir_entries().empty());
  });
}

TEST_F(DatabaseClass, BadModeThrowsIllegalArgumentFromTheConstructor) {
  run_storage_program([] {
    Database::create(0, lit("Abc"), 1, 2, false);
    for (jint mode : {0, 4}) {
      EXPECT_EQ(thrown_by([mode] { jnew<Database>(2, 1, mode); }),
                "java/lang/IllegalArgumentException");
    }
  });
}

TEST_F(DatabaseClass, NullNameOrDataThrowsNullPointer) {
  run_storage_program([] {
    EXPECT_EQ(thrown_by([] { Database::create(0, nullptr, 1, 2, false); }),
              "java/lang/NullPointerException");
    Database::create(0, lit("Abc"), 1, 2, false);
    Ref volatile db = jnew<Database>(2, 1, 3);
    EXPECT_EQ(thrown_by([&] { vcall(Database::m_addRecord, db, nullptr); }),
              "java/lang/NullPointerException");
    EXPECT_EQ(thrown_by([&] { vcall(Database::m_setRecord, db, 0, nullptr); }),
              "java/lang/NullPointerException");
    EXPECT_EQ(vcall(Database::m_getNumberOfRecords, db), 0);
  });
}

TEST_F(DatabaseClass, GetRecordOfMissingAndEmptyRecords) {
  run_storage_program([] {
    Database::create(0, lit("Abc"), 1, 2, false);
    write_file(rec(0), {});
    Ref volatile db = jnew<Database>(2, 1, 1);
    EXPECT_EQ(vcall(Database::m_getRecord, db, 1), nullptr);
    Ref empty = vcall(Database::m_getRecord, db, 0);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(alen(empty), 0);
    EXPECT_EQ(rt_class_of(empty), rt_class_index_by_name("[B"));
  });
}

// The record's bytes are counted by the heap budget, and a collection gives back exactly
// what was counted.
TEST_F(DatabaseClass, RecordStorageIsCountedExactlyByTheHeap) {
  run_storage_program([] {
    Database::create(0, lit("Abc"), 1, 2, false);
    write_file(rec(0), std::vector<uint8_t>(1000, 0x11));
    Ref volatile db = jnew<Database>(2, 1, 1);
    [&]() __attribute__((noinline)) {
      int64_t before = rt_heap_in_use();
      Ref volatile got = vcall(Database::m_getRecord, db, 0);
      EXPECT_EQ(rt_heap_in_use(), before + static_cast<int64_t>(RT_ARRAY_INSTANCE_SIZE) + 1000);
      EXPECT_EQ(alen(got), 1000);
      EXPECT_EQ(rt_free_memory() + rt_heap_in_use(), rt_total_memory());
    }();
    scrub_stack();
    rt_collect();
    int64_t settled = rt_heap_in_use();
    for (int i = 0; i < 200; i++) {  // 200 KB read through a 128 KiB heap
      [&]() __attribute__((noinline)) { vcall(Database::m_getRecord, db, 0); }();
    }
    scrub_stack();
    rt_collect();
    EXPECT_EQ(rt_heap_in_use(), settled);
    EXPECT_EQ(rt_free_memory() + rt_heap_in_use(), rt_total_memory());
  });
}

TEST_F(DatabaseClass, RecordLargerThanTheHeapThrowsOutOfMemoryAndLeaksNothing) {
  run_storage_program([] {
    Database::create(0, lit("Abc"), 1, 2, false);
    write_file(rec(0), std::vector<uint8_t>(RT_HEAP_LIMIT + 1, 0x22));
    Ref volatile db = jnew<Database>(2, 1, 1);
    scrub_stack();
    rt_collect();
    int64_t before = rt_heap_in_use();
    int fds = open_fd_count();
    EXPECT_EQ(thrown_by([&] { vcall(Database::m_getRecord, db, 0); }),
              "java/lang/OutOfMemoryError");
    EXPECT_EQ(open_fd_count(), fds);
    scrub_stack();
    rt_collect();
    EXPECT_EQ(rt_heap_in_use(), before);
    EXPECT_TRUE(storage_log.fatals.empty());
    // The native alone: error 16, null, the array untouched.
    Ref volatile array = byte_array({});
    EXPECT_EQ(db_get_record(db, 0, array), nullptr);
    EXPECT_EQ(rt_take_error(), ERR_OUT_OF_MEMORY);
    EXPECT_EQ(rt_array(array)->length, 0);
  });
}

TEST_F(DatabaseClass, RecordOfMoreThanFourGigabytesIsOutOfMemoryWithoutReading) {
  run_storage_program([] {
    Database::create(0, lit("Abc"), 1, 2, false);
    write_file(rec(0), {});
    ASSERT_EQ(truncate64(rec(0).c_str(), (int64_t{1} << 32) + 5), 0);  // sparse: no disk used
    Ref volatile db = jnew<Database>(2, 1, 1);
    int fds = open_fd_count();
    EXPECT_EQ(thrown_by([&] { vcall(Database::m_getRecord, db, 0); }),
              "java/lang/OutOfMemoryError");
    EXPECT_EQ(open_fd_count(), fds);
  });
}

// Made in a frame of its own, so nothing of it stays on the stack.
__attribute__((noinline)) jint unreferenced_database() {
  Ref db = jnew<Database>(2, 1, 3);
  return Database::f(db).dbRef;
}

TEST_F(DatabaseClass, ADatabaseFreedByTheCollectorClosesItsFile) {
  run_storage_program([] {
    Database::create(0, lit("Abc"), 1, 2, false);
    jint fd = unreferenced_database();
    ASSERT_GE(fd, 1);
    ASSERT_TRUE(fd_is_open(fd));
    scrub_stack();
    rt_collect();
    EXPECT_FALSE(fd_is_open(fd));
    EXPECT_EQ(std::count(storage_log.released.begin(), storage_log.released.end(),
                         "com/sun/kjava/Database"),
              1);
  });
}

__attribute__((noinline)) jint closed_unreferenced_database() {
  Ref db = jnew<Database>(2, 1, 3);
  jint fd = Database::f(db).dbRef;
  vcall(Database::m_close, db);
  return fd;
}

TEST_F(DatabaseClass, ACollectedClosedDatabaseLeavesAReusedDescriptorAlone) {
  run_storage_program([] {
    Database::create(0, lit("Abc"), 1, 2, false);
    jint fd = closed_unreferenced_database();
    int reused = dup(1);  // takes the lowest free number, which the database gave back
    ASSERT_EQ(reused, fd);
    scrub_stack();
    rt_collect();
    EXPECT_TRUE(fd_is_open(reused));
    close(reused);
  });
}

TEST_F(DatabaseClass, RuntimeShutdownClosesOpenDatabases) {
  jint fd = -1;
  run_storage_program([&] {
    Database::create(0, lit("Abc"), 1, 2, false);
    Ref volatile db = jnew<Database>(2, 1, 3);
    fd = Database::f(db).dbRef;
    ASSERT_TRUE(fd_is_open(fd));
  });
  ASSERT_GE(fd, 1);
  EXPECT_FALSE(fd_is_open(fd));
}

TEST_F(DatabaseClass, TwoObjectsOnTheSameFilesSeeEachOthersRecords) {
  run_storage_program([] {
    Database::create(0, lit("Abc"), 1, 2, false);
    Ref volatile a = jnew<Database>(2, 1, 3);
    Ref volatile b = jnew<Database>(2, 1, 1);
    EXPECT_TRUE(vcall(Database::m_addRecord, a, byte_array({1})));
    EXPECT_EQ(array_bytes(vcall(Database::m_getRecord, b, 0)), v({1}));
    vcall(Database::m_close, b);
    EXPECT_TRUE(vcall(Database::m_isOpen, a));
    EXPECT_EQ(vcall(Database::m_getNumberOfRecords, a), 1);
  });
}

TEST_F(DatabaseClass, FieldAndMethodLayout) {
  run_storage_program([] {
    const ClassRecord* r = rt_record(Database::klass.index);
    EXPECT_STREQ(r->name, "com/sun/kjava/Database");
    EXPECT_EQ(r->superIndex, java::lang::Object::klass.index);
    EXPECT_EQ(r->instanceSize, RT_HEADER_SIZE + 4);
    EXPECT_EQ(r->refCount, 0);
    ASSERT_EQ(r->methodCount, 7);
    // isOpen, getNumberOfRecords, getRecord, setRecord, addRecord, deleteRecord, close.
    for (int i = 1; i < 7; i++)
      EXPECT_EQ(r->methods[i].virtualSelector, r->methods[0].virtualSelector + i);
    EXPECT_EQ(r->methods[0].code, reinterpret_cast<void*>(&Database::isOpen));
    EXPECT_EQ(r->methods[6].code, reinterpret_cast<void*>(&Database::close));
  });
}

TEST_F(DatabaseClass, RecordStoreClasses) {
  run_storage_program([] {
    auto super_name = [](const ClassDecl& c) {
      return std::string(rt_record(rt_record(c.index)->superIndex)->name);
    };
    EXPECT_EQ(super_name(rms::RecordStore::klass), "java/lang/Object");
    EXPECT_EQ(rt_record(rms::RecordStore::klass.index)->instanceSize, RT_HEADER_SIZE);
    EXPECT_EQ(super_name(rms::RecordStoreException::klass), "java/lang/Exception");
    for (const ClassDecl* c : {&rms::RecordStoreNotOpenException::klass,
                               &rms::RecordStoreFullException::klass,
                               &rms::InvalidRecordIDException::klass}) {
      EXPECT_EQ(super_name(*c), "javax/microedition/rms/RecordStoreException");
      EXPECT_EQ(rt_record(c->index)->flags, CLS_THROWABLE);
      EXPECT_EQ(rt_record(c->index)->extra, 0u);  // no String constructor
    }
    Ref store = jnew<rms::RecordStore>();
    EXPECT_EQ(rt_class_of(store), rms::RecordStore::klass.index);
    // Thrown as themselves, caught as a RecordStoreException and as an Exception.
    bool thrown = false;
    try {
      jthrow(jnew<rms::RecordStoreFullException>());
    } catch (JavaThrow& e) {
      thrown = true;
      EXPECT_TRUE(caught<rms::RecordStoreException>(e));
      EXPECT_TRUE(caught<java::lang::Exception>(e));
      EXPECT_FALSE(caught<rms::InvalidRecordIDException>(e));
      EXPECT_EQ(java::lang::Throwable::f(e.object()).detailMessage, nullptr);
    }
    EXPECT_TRUE(thrown);
  });
}

}  // namespace
