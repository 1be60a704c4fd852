// The name file: its name, its bytes for every length of name, re-creation and failures.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "host/db.h"
#include "java/lang/String.h"
#include "storage_program.h"

namespace {

class NameFile : public StorageTest {};

std::vector<uint8_t> ids(uint32_t creator, uint32_t type) {
  return {uint8_t(creator >> 24), uint8_t(creator >> 16), uint8_t(creator >> 8), uint8_t(creator),
          uint8_t(type >> 24),    uint8_t(type >> 16),    uint8_t(type >> 8),    uint8_t(type)};
}

std::vector<uint8_t> concat(std::vector<uint8_t> a, const std::string& b, size_t zeros = 0) {
  a.insert(a.end(), b.begin(), b.end());
  a.insert(a.end(), zeros, 0);
  return a;
}

// Ids big-endian, the name's low bytes, zeros up to 32 bytes of name; a longer name whole.
TEST_F(NameFile, LayoutForEveryLengthOfName) {
  const std::string forty = "0123456789abcdefghijklmnopqrstuvwxyzABCD";
  const std::pair<std::string, size_t> cases[] = {
      {"Memo", 28}, {"Abc", 29}, {"", 32}, {std::string(32, 'x'), 0}, {forty, 0}};
  for (const auto& [name, zeros] : cases) {
    run_storage_program([&] {
      rt_set_error(ERR_SOCKET, 1);  // a stale error is cleared
      EXPECT_EQ(db_create(0, lit(name.c_str()), 1, 2, 0), 1);
      EXPECT_EQ(rt_take_error(), ERR_NONE);
      EXPECT_EQ(file_bytes("00000001-00000002-name"), concat(ids(1, 2), name, zeros)) << name;
      EXPECT_EQ(dir_entries(), std::vector<std::string>{"00000001-00000002-name"});
    });
  }
  run_storage_program([] {  // U+0141, U+20AC, U+FF5A, U+00E9: their low bytes
    EXPECT_EQ(db_create(0, jstring_of(u"\u0141\u20AC\uFF5A\u00E9"), 1, 2, 0), 1);
    EXPECT_EQ(file_bytes("00000001-00000002-name"), concat(ids(1, 2), "\x41\xAC\x5A\xE9", 28));
  });
}

TEST_F(NameFile, NameIsTakenFromTheStringsOffsetAndCount) {
  run_storage_program([] {
    Ref volatile chars = new_char_array(6);
    for (int i = 0; i < 6; i++) elements<jchar>(chars)[i] = static_cast<jchar>("xxMemo"[i]);
    Ref name = jnew<java::lang::String>(static_cast<Ref>(chars), 2, 3);  // "Mem"
    EXPECT_EQ(db_create(0, name, 1, 2, 0), 1);
    EXPECT_EQ(file_bytes("00000001-00000002-name"), concat(ids(1, 2), "Mem", 29));
  });
}

TEST_F(NameFile, IdsAreEightUpperCaseHexDigitsAndBigEndian) {
  run_storage_program([] {
    EXPECT_EQ(db_create(0, lit("n"), static_cast<jint>(0xCAFEBABE), 0xab, 0), 1);
    EXPECT_EQ(dir_entries(), std::vector<std::string>{"CAFEBABE-000000AB-name"});
    EXPECT_EQ(file_bytes("CAFEBABE-000000AB-name"), concat(ids(0xCAFEBABE, 0xab), "n", 31));
  });
}

TEST_F(NameFile, NullNameIsANullPointerAndWritesNothing) {
  run_storage_program([] {
    EXPECT_EQ(db_create(0, nullptr, 1, 2, 0), 0);
    EXPECT_EQ(rt_take_error(), ERR_NULL_POINTER);
    // A String object that never got its characters.
    Ref bare = rt_new_object(java::lang::String::klass.index);
    EXPECT_EQ(db_create(0, bare, 1, 2, 0), 0);
    EXPECT_EQ(rt_take_error(), ERR_NULL_POINTER);
    EXPECT_TRUE(dir_entries().empty());
  });
}

TEST_F(NameFile, RecreatingReplacesTheNameAndKeepsTheRecords) {
  write_file("00000001-00000002-rec.0", {1, 2, 3});
  write_file("00000001-00000002-rec.1", {4});
  run_storage_program([] {
    std::string longName(40, 'L');
    EXPECT_EQ(db_create(0, lit(longName.c_str()), 1, 2, 0), 1);
    EXPECT_EQ(db_create(0, lit("Memo"), 1, 2, 0), 1);
    EXPECT_EQ(file_bytes("00000001-00000002-name"), concat(ids(1, 2), "Memo", 28));  // truncated
    EXPECT_EQ(file_bytes("00000001-00000002-rec.0"), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(file_bytes("00000001-00000002-rec.1"), (std::vector<uint8_t>{4}));
    Ref db = raw_database(1, 2, 1);
    EXPECT_EQ(db_record_count(db), 2);
  });
}

TEST_F(NameFile, ShortWriteWhileCreatingRemovesTheNameFile) {
  run_storage_program([] {
    FileSizeLimit limit(20);
    EXPECT_EQ(db_create(0, lit("Memo"), 1, 2, 0), 0);
    EXPECT_EQ(rt_take_error(), ERR_NONE);
    EXPECT_FALSE(file_exists("00000001-00000002-name"));
  });
}

TEST_F(NameFile, NameFileBlockedByADirectoryFailsCleanly) {
  run_storage_program([] {
    ASSERT_EQ(mkdir("00000001-00000002-name", 0755), 0);  // the name file's place is taken
    EXPECT_EQ(db_create(0, lit("Memo"), 1, 2, 0), 0);
    EXPECT_EQ(rt_take_error(), ERR_NONE);
    EXPECT_TRUE(file_exists("00000001-00000002-name"));
    EXPECT_EQ(db_open(2, 1, 1), 0);  // a directory is no database
  });
}

// Type first, then creator; modes 1 to 3 open (1 read-only), others are illegal; a missing
// database gives 0 and is not created.
TEST_F(NameFile, OpenByTypeThenCreatorInModesOneToThree) {
  run_storage_program([] {
    for (jint mode : {1, 2, 3}) EXPECT_EQ(db_open(2, 1, mode), 0);
    EXPECT_TRUE(dir_entries().empty());
    EXPECT_EQ(db_create(0, lit("Memo"), 1, 2, 0), 1);
    EXPECT_EQ(db_open(1, 2, 1), 0);  // the other way round names a missing file
    for (jint mode : {1, 2, 3}) {
      jint fd = db_open(2, 1, mode);
      EXPECT_GE(fd, 1) << mode;
      EXPECT_EQ(fcntl(fd, F_GETFL) & O_ACCMODE, mode == 1 ? O_RDONLY : O_RDWR);
      close(fd);
    }
    EXPECT_EQ(rt_take_error(), ERR_NONE);
    for (jint mode : {0, 4, -1, 65535}) {
      EXPECT_EQ(db_open(2, 1, mode), -1) << mode;
      EXPECT_EQ(rt_take_error(), ERR_ILLEGAL_ARGUMENT) << mode;
    }
  });
}

TEST_F(NameFile, AClosedStandardInputIsNeverHandedOutAsADatabase) {
  run_storage_program([] {
    EXPECT_EQ(db_create(0, lit("Memo"), 1, 2, 0), 1);
    int saved = dup(0);
    ASSERT_GE(saved, 0);
    close(0);
    jint fd = db_open(2, 1, 1);
    dup2(saved, 0);
    close(saved);
    EXPECT_GE(fd, 1);  // 0 would read as "not open"
    if (fd >= 1) close(fd);
  });
}

TEST_F(NameFile, FlashIdAndZero) {
  run_storage_program([] {
    rt_set_error(ERR_SOCKET, 1);
    EXPECT_STREQ(sys_flash_id(), "No flash ID");
    EXPECT_EQ(rt_take_error(), ERR_NONE);
    rt_set_error(ERR_SOCKET, 1);
    EXPECT_EQ(db_zero(), 0);
    EXPECT_EQ(rt_take_error(), ERR_NONE);
  });
}

}  // namespace
