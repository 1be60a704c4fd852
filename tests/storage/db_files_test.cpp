// The record-file helper by itself, on the platform's own file calls: it builds and runs
// on Linux and on Windows alike.
#include "host/db_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "scratch.h"

namespace fs = std::filesystem;

namespace {

// A new empty folder made the current one for each test.
using Files = InScratchDir;

void put(const char* name, const std::string& bytes) {
  std::ofstream(name, std::ios::binary) << bytes;
}

// Binary bytes (no line-end translation) read back whole or from a position; create
// truncates, read-write and read never create, create-new never replaces, read-only
// refuses writes.
TEST_F(Files, OpenWriteAndReadBack) {
  put("f", "longer content");
  int fd = db_file_open("f", DB_OPEN_CREATE);
  ASSERT_GE(fd, 1);
  EXPECT_EQ(db_file_size(fd), 0);
  const char bytes[] = {'a', 0, '\n', '\r', 'z'};
  EXPECT_TRUE(db_file_write(fd, bytes, sizeof bytes));
  EXPECT_TRUE(db_file_write(fd, nullptr, 0));
  EXPECT_TRUE(db_file_flush(fd));
  EXPECT_TRUE(db_file_close(fd));
  EXPECT_EQ(file_bytes("f"), std::string(bytes, sizeof bytes));
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
  EXPECT_FALSE(db_file_write(fd, "x", 1));
  EXPECT_TRUE(db_file_close(fd));
  EXPECT_EQ(file_bytes("f"), std::string(bytes, sizeof bytes));
  EXPECT_EQ(db_file_open("f", DB_OPEN_CREATE_NEW), DB_FILE_FAILED);
  EXPECT_EQ(db_file_open("g", DB_OPEN_READ_WRITE), DB_FILE_MISSING);
  EXPECT_FALSE(fs::exists("g"));
}

// A directory is no file; remove and move tell a missing file from one removed or moved;
// a move replaces its target, a new-only move never does. The listing names every entry
// beginning with the prefix.
TEST_F(Files, DirectoriesRemoveMoveAndCount) {
  fs::create_directory("d");
  EXPECT_EQ(db_file_open("d", DB_OPEN_READ), DB_FILE_FAILED);
  EXPECT_EQ(db_file_remove("d"), DB_FILE_FAILED);
  EXPECT_TRUE(fs::is_directory("d"));
  put("a", "new");
  put("b", "old");
  EXPECT_EQ(db_file_move("a", "b"), DB_FILE_OK);
  EXPECT_FALSE(fs::exists("a"));
  EXPECT_EQ(file_bytes("b"), "new");
  EXPECT_EQ(db_file_move("a", "c"), DB_FILE_MISSING);
  EXPECT_EQ(db_file_remove("b"), DB_FILE_OK);
  EXPECT_FALSE(fs::exists("b"));
  EXPECT_EQ(db_file_remove("b"), DB_FILE_MISSING);
  put("a", "new");
  put("b", "old");
  EXPECT_EQ(db_file_move_new("a", "b"), DB_FILE_EXISTS);
  EXPECT_EQ(db_file_move_new("a", "d"), DB_FILE_EXISTS);
  EXPECT_EQ(file_bytes("b"), "old");
  EXPECT_EQ(db_file_move_new("a", "c"), DB_FILE_OK);
  EXPECT_FALSE(fs::exists("a"));
  EXPECT_EQ(file_bytes("c"), "new");
  EXPECT_EQ(db_file_move_new("a", "e"), DB_FILE_MISSING);
  for (const char* n :
       {"00000001-00000002-rec.0", "00000001-00000002-rec.1", "00000001-00000002-rec.bak",
        "00000001-00000002-recx", "00000001-00000003-rec.0", "00000001-00000002-name"})
    put(n, "");
  fs::create_directory("00000001-00000002-rec.7");
  std::vector<std::string> rests;
  EXPECT_TRUE(db_file_list("00000001-00000002-rec.", &rests));
  std::sort(rests.begin(), rests.end());
  EXPECT_EQ(rests, (std::vector<std::string>{"0", "1", "7", "bak"}));
  rests.clear();
  EXPECT_TRUE(db_file_list("00000009-00000009-rec.", &rests));
  EXPECT_TRUE(rests.empty());
}

}  // namespace
