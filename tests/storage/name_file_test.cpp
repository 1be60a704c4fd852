// The name file: its name, its bytes for every length of name, re-creation and failures.

#include "storage_program.h"

namespace {

class NameFile : public StorageTest {};

// Ids in upper-case hex in the file's name and big-endian in it, then the low byte of each
// of the String's chars (from its offset, count of them), zeros up to 32; a longer name
// whole. Each create replaces the name file and keeps the records.
TEST_F(NameFile, LayoutForEveryKindOfName) {
  struct Row {
    uint32_t creator, type;
    std::u16string chars;
    jint offset, count;
    const char* file;
    std::string stored;
  };
  const Row rows[] = {
      {1, 2, u"0123456789abcdefghijklmnopqrstuvwxyzABCD", 0, -1, kName,
       "0123456789abcdefghijklmnopqrstuvwxyzABCD"},
      {1, 2, u"", 0, -1, kName, ""},
      {1, 2, std::u16string(32, 'x'), 0, -1, kName, std::string(32, 'x')},
      {1, 2, u"\u0141\u20AC\uFF5A\u00E9", 0, -1, kName, "\x41\xAC\x5A\xE9"},
      {1, 2, u"xxMemo", 2, 3, kName, "Mem"},
      {0xCAFEBABE, 0xab, u"n", 0, -1, "CAFEBABE-000000AB-name", "n"},
  };
  write_file(rec(0), {1, 2, 3});
  write_file(rec(1), {4});
  run_storage_program([&] {
    for (const Row& r : rows) {
      SCOPED_TRACE(r.stored);
      rt_set_error(ERR_SOCKET, 1);  // a stale error is cleared
      EXPECT_EQ(took(db_create(0, jstr16(r.chars, r.offset, r.count), static_cast<jint>(r.creator),
                               static_cast<jint>(r.type), 0)),
                want(1));
      Bytes bytes;
      for (uint32_t id : {r.creator, r.type})
        for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(uint8_t(id >> shift));
      bytes.insert(bytes.end(), r.stored.begin(), r.stored.end());
      bytes.resize(std::max<size_t>(bytes.size(), 40), 0);
      EXPECT_EQ(disk_bytes(r.file), bytes);
    }
    EXPECT_EQ(dir_entries(),
              (std::vector<std::string>{kName, rec(0), rec(1), "CAFEBABE-000000AB-name"}));
    EXPECT_EQ(disk_bytes(rec(0)), v({1, 2, 3}));
    EXPECT_EQ(disk_bytes(rec(1)), v({4}));
    EXPECT_EQ(db_record_count(raw_database(1, 2, 1)), 2);
  });
}

// No characters: a null pointer. A full disk or a directory in the way: failure without an
// error and no half-written name file. The device has no flash id.
TEST_F(NameFile, CreateFailuresAndDeviceQueries) {
  run_storage_program([] {
    EXPECT_EQ(took(db_create(0, nullptr, 1, 2, 0)), want(0, ERR_NULL_POINTER));
    EXPECT_TRUE(dir_entries().empty());
    {
      FileSizeLimit limit(20);
      EXPECT_EQ(took(db_create(0, lit("Memo"), 1, 2, 0)), want(0));
    }
    EXPECT_TRUE(dir_entries().empty());
    ASSERT_EQ(mkdir(kName, 0755), 0);
    EXPECT_EQ(took(db_create(0, lit("Memo"), 1, 2, 0)), want(0));
    EXPECT_EQ(db_open(2, 1, 1), 0);  // a directory is no database
    rt_set_error(ERR_SOCKET, 1);     // the device query clears a stale error too
    EXPECT_EQ(took(std::string(sys_flash_id())), want(std::string("No flash ID")));
  });
}

// Type first, then creator; modes 1 to 3 open (1 read-only), others are illegal; a missing
// database gives 0 and is not created. A closed standard input is never handed out: 0
// would read as "not open".
TEST_F(NameFile, OpenByTypeThenCreatorInModesOneToThree) {
  run_storage_program([] {
    for (jint mode : {1, 2, 3}) EXPECT_EQ(db_open(2, 1, mode), 0);
    EXPECT_TRUE(dir_entries().empty());
    EXPECT_EQ(db_create(0, lit("Memo"), 1, 2, 0), 1);
    EXPECT_EQ(db_open(1, 2, 1), 0);  // the other way round names a missing file
    int saved = dup(0);
    ASSERT_GE(saved, 0);
    close(0);
    std::vector<jint> fds;
    for (jint mode : {1, 2, 3}) fds.push_back(db_open(2, 1, mode));
    dup2(saved, 0);
    close(saved);
    for (jint mode : {1, 2, 3}) {
      EXPECT_GE(fds[mode - 1], 1) << mode;
      EXPECT_EQ(fcntl(fds[mode - 1], F_GETFL) & O_ACCMODE, mode == 1 ? O_RDONLY : O_RDWR);
      close(fds[mode - 1]);
    }
    EXPECT_EQ(rt_take_error(), ERR_NONE);
    for (jint mode : {0, 4, -1, 65535})
      EXPECT_EQ(took(db_open(2, 1, mode)), want(-1, ERR_ILLEGAL_ARGUMENT)) << mode;
  });
}

}  // namespace
