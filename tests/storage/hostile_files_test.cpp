// Corrupt and hostile files: none of them may crash, block or lose another record.
#include <linux/fs.h>
#include <sched.h>
#include <sys/fsuid.h>
#include <sys/ioctl.h>
#include <sys/mount.h>

#include "storage_program.h"

namespace {

class Hostile : public StorageTest {};

// Runs fn with file permissions enforced: as root that means another file-system user.
template <class F>
auto as_unprivileged(F fn) {
  setfsuid(65534);  // refused, so without effect, unless root
  auto result = fn();
  setfsuid(geteuid());
  return result;
}

// A name file cut short (five bytes, or none) has no ids: every record call fails quietly.
// The ids come from the name file's bytes, not from its name.
TEST_F(Hostile, NameFilesThatAreNoDatabase) {
  run_storage_program([] {
    for (const Bytes& head : {v({0, 0, 0, 1, 0}), v({})}) {
      SCOPED_TRACE(head.size());
      database_with({v({0})});
      write_file(kName, head);
      Ref db = raw_database(1, 2, 3);
      ASSERT_GE(handle(db), 1);
      EXPECT_EQ(took(get(db, 0)), want<Ref>(nullptr));
      EXPECT_EQ(took(db_set_record(db, DB_APPEND, byte_array({9}))), want(0));
      EXPECT_EQ(took(db_delete_record(db, 0)), want(0));
      EXPECT_EQ(dir_entries(), (Names{kName, rec(0)}));
    }
    write_file("00000003-00000004-rec.0", {3, 4});
    write_file(kName, {0, 0, 0, 3, 0, 0, 0, 4});  // names another database inside
    EXPECT_EQ(array_bytes(get(raw_database(1, 2, 1), 0)), v({3, 4}));
  });
}

// A directory, a pipe or a dangling link in a record's place counts and is no record: get
// gives null without an error or a wait. A directory or pipe is not replaced, and a
// directory stops a delete's walk there: record 2 is neither moved onto it nor deleted.
TEST_F(Hostile, NonFilesInARecordsPlace) {
  struct Row {
    const char* what;
    int (*make)(const char* name);
    mode_t kind;
    bool setRefused, deleteRefused;
  };
  const Row rows[] = {
      {"directory", [](const char* n) { return mkdir(n, 0755); }, S_IFDIR, true, true},
      {"pipe", [](const char* n) { return mkfifo(n, 0666); }, S_IFIFO, true, false},
      {"dangling link", [](const char* n) { return symlink("nowhere", n); }, S_IFLNK, false, false},
  };
  run_storage_program([&] {
    for (const Row& r : rows) {
      SCOPED_TRACE(r.what);
      empty_dir();
      Ref db = database_with({v({0})});
      ASSERT_EQ(r.make(rec(1).c_str()), 0);
      write_file(rec(2), {2});
      alarm(10);  // a blocking open would hang here for good
      EXPECT_EQ(db_record_count(db), 3);
      EXPECT_EQ(get(db, 1), nullptr);
      EXPECT_EQ(r.setRefused ? db_set_record(db, 1, byte_array({9})) : 0, 0);
      EXPECT_EQ(r.deleteRefused ? db_delete_record(db, 1) : 0, 0);
      alarm(0);
      EXPECT_EQ(rt_take_error(), ERR_NONE);
      struct stat st;
      ASSERT_EQ(lstat(rec(1).c_str(), &st), 0);
      EXPECT_EQ(st.st_mode & S_IFMT, r.kind);
      EXPECT_EQ(disk_bytes(rec(0)), v({0}));
      EXPECT_EQ(disk_bytes(rec(2)), v({2}));
    }
  });
}

// An immutable record file cannot be renamed: the walk stops before it would delete it.
TEST_F(Hostile, RenameThatFailsInTheMiddleOfADeleteLosesNoRecord) {
  run_storage_program([] {
    Ref db = database_with({v({0}), v({1}), v({2}), v({3})});
    int fd = open(rec(2).c_str(), O_RDONLY), flags = 0;
    if (ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0 ||
        (flags |= FS_IMMUTABLE_FL, ioctl(fd, FS_IOC_SETFLAGS, &flags)) != 0) {
      close(fd);
      GTEST_SKIP() << "this file system or process cannot make a file immutable";
    }
    jint result = db_delete_record(db, 0);
    flags &= ~FS_IMMUTABLE_FL;
    ioctl(fd, FS_IOC_SETFLAGS, &flags);
    close(fd);
    EXPECT_EQ(result, 0);
    // Record 1 moved to 0; record 2 could not move, so it and record 3 stay where they are.
    EXPECT_EQ(disk_bytes(rec(0)), v({1}));
    EXPECT_FALSE(file_exists(rec(1)));
    EXPECT_EQ(disk_bytes(rec(2)), v({2}));
    EXPECT_EQ(disk_bytes(rec(3)), v({3}));
  });
}

// Files this user may not read or write: null or failure, no error, no descriptor left
// open, the old record kept. A directory that cannot be listed has no known record count:
// an append must not take it for 0 and replace record 0, and a delete must not report
// success.
TEST_F(Hostile, FilesAndDirectoriesWithoutPermissionLoseNoRecord) {
  run_storage_program([] {
    Ref db = database_with({v({1, 2}), v({3})});
    ASSERT_EQ(chmod(".", 0777), 0);
    ASSERT_EQ(chmod(rec(0).c_str(), 0), 0);
    ASSERT_EQ(chmod(rec(1).c_str(), 0444), 0);
    ASSERT_FALSE(as_unprivileged([] {
      int fd = open(rec(0).c_str(), O_RDONLY);
      if (fd >= 0) close(fd);
      return fd >= 0;
    })) << "permissions are not enforced here";
    int fds = open_fd_count();
    EXPECT_EQ(as_unprivileged([&] { return took(get(db, 0)); }), want<Ref>(nullptr));
    EXPECT_EQ(as_unprivileged([&] { return took(db_set_record(db, 1, byte_array({9}))); }),
              want(0));
    EXPECT_EQ(open_fd_count(), fds);
    ASSERT_EQ(chmod(kName, 0), 0);
    EXPECT_EQ(as_unprivileged([] { return took(db_open(2, 1, 1)); }), want(0));
    for (const std::string& name : {rec(0), rec(1)}) ASSERT_EQ(chmod(name.c_str(), 0666), 0);
    ASSERT_EQ(chmod(".", 0333), 0);  // others may enter and write, not list
    EXPECT_EQ(as_unprivileged([&] { return db_record_count(db); }), 0);
    EXPECT_EQ(as_unprivileged([&] { return db_set_record(db, DB_APPEND, byte_array({9})); }), 0);
    EXPECT_EQ(as_unprivileged([&] { return db_delete_record(db, 0); }), 0);
    ASSERT_EQ(chmod(".", 0755), 0);
    EXPECT_EQ(disk_bytes(rec(1)), v({3}));
    EXPECT_EQ(dir_entries(), (Names{kName, rec(0), rec(1)}));
    EXPECT_EQ(disk_bytes(rec(0)), v({1, 2}));
  });
}

// Whatever stands at a record's scratch name is removed, never written through.
TEST_F(Hostile, PlantedScratchFileIsReplacedNotFollowed) {
  const char* scratch = "00000001-00000002-new.0";
  run_storage_program([&] {
    for (const char* target : {"victim", "absent", static_cast<const char*>(nullptr)}) {
      empty_dir();
      Ref db = database_with({v({1})});
      write_file("victim", {5, 5});
      if (!target) write_file(scratch, {7, 7, 7});  // a plain file, else a link to target
      ASSERT_TRUE(!target || symlink(target, scratch) == 0);
      EXPECT_EQ(db_set_record(db, 0, byte_array({9, 9})), 1);
      EXPECT_EQ(disk_bytes(rec(0)), v({9, 9}));
      EXPECT_EQ(disk_bytes("victim"), v({5, 5}));
      EXPECT_EQ(dir_entries(), (Names{kName, rec(0), "victim"}));
    }
  });
}

// A tmpfs of this process's own on the test's directory; ok is false where not allowed.
struct PrivateTmpfs {
  std::string dir;
  bool ok = false;
  explicit PrivateTmpfs(const std::string& at) : dir(at) {
    ok = unshare(CLONE_NEWNS) == 0 &&
         mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
         mount("tmpfs", dir.c_str(), "tmpfs", 0, "size=64k") == 0 && chdir(dir.c_str()) == 0;
  }
  ~PrivateTmpfs() {
    if (!ok) return;
    EXPECT_EQ(chdir("/"), 0);
    umount2(dir.c_str(), MNT_DETACH);
    EXPECT_EQ(chdir(dir.c_str()), 0);
  }
};

// A write that comes up short (past a file size limit, on a full disk) reports failure
// without an error, leaves no scratch file and keeps the old record; on a read-only file
// system every record stays.
TEST_F(Hostile, ShortWriteFullDiskOrReadOnlyFileSystemKeepsEveryRecord) {
  const Bytes big(8192, 9);
  run_storage_program([&] {
    Ref db = database_with({v({1, 2, 3})});
    {
      FileSizeLimit limit(1000);
      EXPECT_EQ(took(db_set_record(db, 0, byte_array(big))), want(0));
      EXPECT_EQ(took(db_set_record(db, DB_APPEND, byte_array(big))), want(0));
    }
    EXPECT_EQ(disk_bytes(rec(0)), v({1, 2, 3}));
    EXPECT_EQ(dir_entries(), (Names{kName, rec(0)}));
    EXPECT_EQ(db_set_record(db, 0, byte_array(big)), 1);  // without the limit it fits
    EXPECT_EQ(disk_bytes(rec(0)), big);
  });
  PrivateTmpfs fs(dir_);
  if (!fs.ok) GTEST_SKIP() << "no private tmpfs here";
  run_storage_program([&] {
    Ref db = database_with({v({1, 2, 3}), v({4})});
    int fd = open("filler", O_WRONLY | O_CREAT | O_TRUNC, 0644);  // fill to the last byte
    ASSERT_GE(fd, 0);
    while (write(fd, big.data(), 4096) > 0 || write(fd, big.data(), 1) > 0) {
    }
    close(fd);
    EXPECT_EQ(took(db_set_record(db, 0, byte_array(big))), want(0));
    EXPECT_EQ(took(db_set_record(db, DB_APPEND, byte_array(big))), want(0));
    EXPECT_EQ(dir_entries(), (Names{kName, rec(0), rec(1), "filler"}));
    db_close(db);
    db = raw_database(1, 2, 1);  // read-only: a file open for writing would block the remount
    ASSERT_EQ(mount(nullptr, dir_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
    EXPECT_EQ(db_set_record(db, 0, byte_array({9})), 0);
    EXPECT_EQ(db_set_record(db, DB_APPEND, byte_array({9})), 0);
    EXPECT_EQ(db_delete_record(db, 0), 0);
    EXPECT_EQ(array_bytes(get(db, 0)), v({1, 2, 3}));
    EXPECT_EQ(array_bytes(get(db, 1)), v({4}));
    EXPECT_EQ(dir_entries(), (Names{kName, rec(0), rec(1), "filler"}));
  });
}

}  // namespace
