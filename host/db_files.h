// Record storage: the few file calls the database natives need, on POSIX and Win32.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// How db_file_open opens a file; none of them follows a request to block.
enum DbOpenHow {
  DB_OPEN_READ,        // read-only, binary
  DB_OPEN_READ_WRITE,  // read-write, binary, never creating
  DB_OPEN_CREATE,      // read-write, binary, created or truncated, read and write permission
  DB_OPEN_CREATE_NEW,  // as DB_OPEN_CREATE, but fails if the name exists, even as a link
};

// Results of the calls that can find a file missing.
enum : int {
  DB_FILE_OK = 0,
  DB_FILE_MISSING = -1,  // no such file (or no such source of a move)
  DB_FILE_FAILED = -2,   // any other failure
  DB_FILE_EXISTS = -3,   // the target of a move that must not replace is there
};

// A descriptor >= 1 of a regular file, or DB_FILE_MISSING / DB_FILE_FAILED.
int db_file_open(const char* name, DbOpenHow how);
bool db_file_close(int fd);
// Length of the file, by seeking to its end; -1 on failure.
int64_t db_file_size(int fd);
bool db_file_seek(int fd, int64_t pos);
// Reads until n bytes, end of file or an error; the bytes read, -1 on error.
int64_t db_file_read(int fd, void* buf, int64_t n);
// Writes all n bytes or fails.
bool db_file_write(int fd, const void* buf, int64_t n);
// Pushes the file's data to the disk.
bool db_file_flush(int fd);
// DB_FILE_OK, DB_FILE_MISSING or DB_FILE_FAILED.
int db_file_remove(const char* name);
// Renames from over to, replacing to; DB_FILE_OK, DB_FILE_MISSING or DB_FILE_FAILED.
int db_file_move(const char* from, const char* to);
// Moves from to to only if to does not exist, in one step (no other writer can slip in);
// DB_FILE_OK, DB_FILE_MISSING, DB_FILE_EXISTS or DB_FILE_FAILED.
int db_file_move_new(const char* from, const char* to);
// The rest of the name of each entry of the current directory that begins with prefix;
// false when the directory cannot be listed (a failed listing is not an empty one).
bool db_file_list(const char* prefix, std::vector<std::string>* rests);
