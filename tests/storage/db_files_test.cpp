// The record-file helper by itself, on the platform's own file calls: it builds and runs
// on Linux and on Windows alike.
#include "host/db_files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A new empty directory made the current one for each test.
class Files : public ::testing::Test {
 protected:
  void SetUp() override {
    old_ = fs::current_path();
    std::mt19937_64 rng(
        static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    dir_ = fs::temp_directory_path() / ("storage-files-" + std::to_string(rng()));
    ASSERT_TRUE(fs::create_directory(dir_));
    fs::current_path(dir_);
  }
  void TearDown() override {
    fs::current_path(old_);
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  fs::path old_, dir_;
};

void put(const char* name, const std::string& bytes) {
  std::ofstream(name, std::ios::binary) << bytes;
}

std::string content(const char* name) {
  std::ifstream in(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(Files, CreateWritesAndReadBacksTheBytes) {
  int fd = db_file_open("f", DB_OPEN_CREATE);
  ASSERT_GE(fd, 1);
  const char bytes[] = {'a', 0, '\n', '\r', 'z'};  // binary: no line-end translation
  EXPECT_TRUE(db_file_write(fd, bytes, sizeof bytes));
  EXPECT_TRUE(db_file_flush(fd));
  EXPECT_TRUE(db_file_close(fd));
  EXPECT_EQ(content("f"), std::string(bytes, sizeof bytes));
  fd = db_file_open("f", DB_OPEN_READ);
  ASSERT_GE(fd, 1);
  EXPECT_EQ(db_file_size(fd), 5);
  char back[8] = {};
  EXPECT_TRUE(db_file_seek(fd, 0));
  EXPECT_EQ(db_file_read(fd, back, sizeof back), 5);  // stops at the end
  EXPECT_EQ(memcmp(back, bytes, 5), 0);
  EXPECT_TRUE(db_file_seek(fd, 4));
  EXPECT_EQ(db_file_read(fd, back, 1), 1);
  EXPECT_EQ(back[0], 'z');
  EXPECT_TRUE(db_file_close(fd));
}

TEST_F(Files, CreateTruncatesAndReadWriteNeverCreates) {
  put("f", "longer content");
  int fd = db_file_open("f", DB_OPEN_CREATE);
  ASSERT_GE(fd, 1);
  EXPECT_EQ(db_file_size(fd), 0);
  db_file_close(fd);
  EXPECT_EQ(db_file_open("g", DB_OPEN_READ_WRITE), DB_FILE_MISSING);
  EXPECT_EQ(db_file_open("g", DB_OPEN_READ), DB_FILE_MISSING);
  EXPECT_FALSE(fs::exists("g"));
}

TEST_F(Files, ReadOnlyDescriptorRefusesWrites) {
  put("f", "abc");
  int fd = db_file_open("f", DB_OPEN_READ);
  ASSERT_GE(fd, 1);
  EXPECT_FALSE(db_file_write(fd, "x", 1));
  db_file_close(fd);
  EXPECT_EQ(content("f"), "abc");
}

TEST_F(Files, EmptyWriteSucceeds) {
  int fd = db_file_open("f", DB_OPEN_CREATE);
  ASSERT_GE(fd, 1);
  EXPECT_TRUE(db_file_write(fd, nullptr, 0));
  db_file_close(fd);
  EXPECT_TRUE(fs::exists("f"));
  EXPECT_EQ(fs::file_size("f"), 0u);
}

TEST_F(Files, DirectoryIsNoFile) {
  fs::create_directory("d");
  EXPECT_EQ(db_file_open("d", DB_OPEN_READ), DB_FILE_FAILED);
  EXPECT_EQ(db_file_open("d", DB_OPEN_READ_WRITE), DB_FILE_FAILED);
  EXPECT_EQ(db_file_remove("d"), DB_FILE_FAILED);
  EXPECT_TRUE(fs::is_directory("d"));
}

TEST_F(Files, RemoveTellsMissingFromRemoved) {
  put("f", "x");
  EXPECT_EQ(db_file_remove("f"), DB_FILE_OK);
  EXPECT_FALSE(fs::exists("f"));
  EXPECT_EQ(db_file_remove("f"), DB_FILE_MISSING);
}

TEST_F(Files, MoveReplacesTheTarget) {
  put("a", "new");
  put("b", "old");
  EXPECT_EQ(db_file_move("a", "b"), DB_FILE_OK);
  EXPECT_FALSE(fs::exists("a"));
  EXPECT_EQ(content("b"), "new");
  EXPECT_EQ(db_file_move("a", "c"), DB_FILE_MISSING);
  EXPECT_EQ(db_file_move("b", "c"), DB_FILE_OK);
  EXPECT_EQ(content("c"), "new");
}

TEST_F(Files, CountMatchesEveryEntryBeginningWithThePrefix) {
  for (const char* n :
       {"00000001-00000002-rec.0", "00000001-00000002-rec.1", "00000001-00000002-rec.bak",
        "00000001-00000002-recx", "00000001-00000003-rec.0", "00000001-00000002-name"})
    put(n, "");
  fs::create_directory("00000001-00000002-rec.7");
  EXPECT_EQ(db_file_count("00000001-00000002-rec."), 4);
  EXPECT_EQ(db_file_count("00000009-00000009-rec."), 0);
}

}  // namespace
