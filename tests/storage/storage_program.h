// What the storage tests share: a program carrying the database classes, a scratch folder
// per test, and files and databases to stage.
#pragma once
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "class_code.h"
#include "host/db.h"
#include "program.h"
#include "scratch.h"

// The database classes' program, initialised, run as the head thread (run_program). A fatal
// report throws, so that it ends the test instead of parking its thread.
void run_storage_program(const std::function<void()>& body);

// Every test runs in a new empty folder of its own, made the current directory (base_ names
// where the folder is made, such as a memory file system; empty: the scratch root).
using StorageTest = InScratchDir;

using Bytes = std::vector<uint8_t>;
Bytes disk_bytes(const std::string& name);
void write_file(const std::string& name, const Bytes& bytes);
bool file_exists(const std::string& name);
using Names = std::vector<std::string>;
Names dir_entries();  // sorted
void empty_dir();

// Database 1/2, the one most tests make: its name file and its record files.
inline const char* const kName = "00000001-00000002-name";
inline std::string rec(int n) { return "00000001-00000002-rec." + std::to_string(n); }
inline Bytes v(std::initializer_list<uint8_t> b) { return b; }
// The contents of record files 0..n-1 of database 1/2; "-" for a missing one.
Names records_on_disk(int n);
// Creates database 1/2 with the given records and opens it read-write, through the natives.
Ref database_with(const std::vector<Bytes>& records);
// db_get_record the way class code calls it: with a new empty byte array.
Ref get(Ref db, jint n);
// The class of the exception a call threw, or "" when it threw none.
inline std::string thrown_by(const std::function<void()>& call) { return catch_java(call).cls; }
// A Database object whose handle is db_open's result, without running the constructor.
Ref raw_database(jint creator, jint type, jint mode);
jint handle(Ref database);

// Descriptors of this process: whether fd is open, how many are.
bool fd_is_open(int fd);
int open_fd_count();

// While it lives, files cannot grow past a size: a write comes up short, as on a full disk.
struct FileSizeLimit {
  rlimit saved;
  void (*oldHandler)(int) = signal(SIGXFSZ, SIG_IGN);
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit lim = {bytes, saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &lim);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, oldHandler);
  }
};
