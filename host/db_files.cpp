// Record storage files: one small interface over the POSIX and the Win32 file calls.
#define _FILE_OFFSET_BITS 64  // record files past 2 GiB are sized, not misread, on 32-bit hosts
#include "host/db_files.h"

#include <cerrno>
#include <cstring>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

// Largest piece handed to one read or write call (the Win32 calls take 32-bit counts).
static constexpr int64_t IO_CHUNK = 1 << 30;

#ifdef _WIN32

/* ---------------------------------------------------------------------------
 * Win32: C runtime descriptors, find-file enumeration, replacing moves
 * ------------------------------------------------------------------------- */

int db_file_open(const char* name, DbOpenHow how) {
  int flags = _O_BINARY | _O_NOINHERIT;
  if (how == DB_OPEN_READ)
    flags |= _O_RDONLY;
  else if (how == DB_OPEN_READ_WRITE)
    flags |= _O_RDWR;
  else if (how == DB_OPEN_CREATE_NEW)
    flags |= _O_RDWR | _O_CREAT | _O_EXCL;
  else
    flags |= _O_RDWR | _O_CREAT | _O_TRUNC;
  int fd = _open(name, flags, _S_IREAD | _S_IWRITE);
  if (fd < 0) return errno == ENOENT ? DB_FILE_MISSING : DB_FILE_FAILED;
  struct _stat64 st;
  if (_fstat64(fd, &st) != 0 || !(st.st_mode & _S_IFREG)) {
    _close(fd);
    return DB_FILE_FAILED;
  }
  return fd;
}

bool db_file_close(int fd) { return _close(fd) == 0; }

int64_t db_file_size(int fd) { return _lseeki64(fd, 0, SEEK_END); }

bool db_file_seek(int fd, int64_t pos) { return _lseeki64(fd, pos, SEEK_SET) == pos; }

static int64_t raw_read(int fd, void* buf, int64_t n) {
  return _read(fd, buf, static_cast<unsigned>(n));
}

static int64_t raw_write(int fd, const void* buf, int64_t n) {
  return _write(fd, buf, static_cast<unsigned>(n));
}

bool db_file_flush(int fd) { return _commit(fd) == 0; }

static int last_error_result() {
  DWORD e = GetLastError();
  return e == ERROR_FILE_NOT_FOUND || e == ERROR_PATH_NOT_FOUND ? DB_FILE_MISSING : DB_FILE_FAILED;
}

int db_file_remove(const char* name) {
  return DeleteFileA(name) ? DB_FILE_OK : last_error_result();
}

int db_file_move(const char* from, const char* to) {
  return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING) ? DB_FILE_OK : last_error_result();
}

// Without MOVEFILE_REPLACE_EXISTING the move fails on an existing target.
int db_file_move_new(const char* from, const char* to) {
  if (MoveFileExA(from, to, 0)) return DB_FILE_OK;
  DWORD e = GetLastError();
  if (e == ERROR_ALREADY_EXISTS || e == ERROR_FILE_EXISTS) return DB_FILE_EXISTS;
  return e == ERROR_FILE_NOT_FOUND || e == ERROR_PATH_NOT_FOUND ? DB_FILE_MISSING : DB_FILE_FAILED;
}

bool db_file_list(const char* prefix, std::vector<std::string>* rests) {
  std::string pattern = std::string(prefix) + "*";
  size_t len = strlen(prefix);
  WIN32_FIND_DATAA found;
  HANDLE h = FindFirstFileA(pattern.c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
  do
    if (strncmp(found.cFileName, prefix, len) == 0) rests->push_back(found.cFileName + len);
  while (FindNextFileA(h, &found));
  bool complete = GetLastError() == ERROR_NO_MORE_FILES;
  FindClose(h);
  return complete;
}

#else

/* ---------------------------------------------------------------------------
 * POSIX
 * ------------------------------------------------------------------------- */

// What a failed call's errno says, in the results of the calls that can find a file missing.
static int errno_result() { return errno == ENOENT ? DB_FILE_MISSING : DB_FILE_FAILED; }
// A name that must be new (the web moves after a look instead, having no links).
[[maybe_unused]] static int new_name_result() {
  return errno == EEXIST ? DB_FILE_EXISTS : errno_result();
}

// Opening never waits (a pipe of the record's name would otherwise block for good), and
// only regular files are handed out. Descriptor 0 is moved up: 0 means "not open". A new
// file is made exclusively, so a planted link cannot send the bytes to its target.
int db_file_open(const char* name, DbOpenHow how) {
  int flags = O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
  if (how == DB_OPEN_READ)
    flags |= O_RDONLY;
  else if (how == DB_OPEN_READ_WRITE)
    flags |= O_RDWR;
  else if (how == DB_OPEN_CREATE_NEW)
    flags |= O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW;
  else
    flags |= O_RDWR | O_CREAT | O_TRUNC;
  int fd;
  do fd = open(name, flags, 0666);
  while (fd < 0 && errno == EINTR);
  if (fd < 0) return errno_result();
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return DB_FILE_FAILED;
  }
  if (fd == 0) {
    int moved = fcntl(fd, F_DUPFD_CLOEXEC, 1);
    close(fd);
    if (moved < 0) return DB_FILE_FAILED;
    fd = moved;
  }
  return fd;
}

bool db_file_close(int fd) { return close(fd) == 0; }

int64_t db_file_size(int fd) { return lseek(fd, 0, SEEK_END); }

bool db_file_seek(int fd, int64_t pos) { return lseek(fd, pos, SEEK_SET) == pos; }

static int64_t raw_read(int fd, void* buf, int64_t n) {
  ssize_t got;
  do got = read(fd, buf, static_cast<size_t>(n));
  while (got < 0 && errno == EINTR);
  return got;
}

static int64_t raw_write(int fd, const void* buf, int64_t n) {
  ssize_t put;
  do put = write(fd, buf, static_cast<size_t>(n));
  while (put < 0 && errno == EINTR);
  return put;
}

#ifdef __EMSCRIPTEN__
// A page's files live in its memory until pushed to the browser's database (web/library.js);
// a change that is not stored there fails, as a failed write to a disk does.
extern "C" int palm_web_sync();
static bool stored() { return palm_web_sync() == 0; }
bool db_file_flush(int) { return stored(); }  // the toolchain's fsync drops the database's errors
#else
static bool stored() { return true; }
// File systems that cannot sync say so with EINVAL; that loses nothing.
bool db_file_flush(int fd) { return fsync(fd) == 0 || errno == EINVAL; }
#endif

// A change that reached the file system, as far as it was kept.
static int changed() { return stored() ? DB_FILE_OK : DB_FILE_FAILED; }

int db_file_remove(const char* name) { return unlink(name) == 0 ? changed() : errno_result(); }

int db_file_move(const char* from, const char* to) {
  return rename(from, to) == 0 ? changed() : errno_result();
}

// One rename that refuses an existing target where the system has it; else a hard link,
// which never replaces either, and the source's name removed after.
int db_file_move_new(const char* from, const char* to) {
#ifdef __EMSCRIPTEN__
  // A page's files have no links, and no other process shares its folder: look, then move.
  struct stat st;
  if (lstat(to, &st) == 0) return DB_FILE_EXISTS;
  return db_file_move(from, to);
#else
#ifdef RENAME_NOREPLACE
  if (renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0) return DB_FILE_OK;
  if (errno != EINVAL && errno != ENOSYS) return new_name_result();
#endif
  if (link(from, to) != 0) return new_name_result();
  unlink(from);
  return DB_FILE_OK;
#endif
}

bool db_file_list(const char* prefix, std::vector<std::string>* rests) {
  DIR* dir = opendir(".");
  if (!dir) return false;
  size_t len = strlen(prefix);
  errno = 0;
  while (dirent* e = readdir(dir))
    if (strncmp(e->d_name, prefix, len) == 0) rests->push_back(e->d_name + len);
  bool complete = errno == 0;  // else the listing broke off
  closedir(dir);
  return complete;
}

#endif

/* ---------------------------------------------------------------------------
 * Whole reads and writes, in pieces the platform calls take
 * ------------------------------------------------------------------------- */

int64_t db_file_read(int fd, void* buf, int64_t n) {
  int64_t done = 0;
  while (done < n) {
    int64_t want = n - done < IO_CHUNK ? n - done : IO_CHUNK;
    int64_t got = raw_read(fd, static_cast<char*>(buf) + done, want);
    if (got < 0) return -1;
    if (got == 0) break;
    done += got;
  }
  return done;
}

// A full disk shows as a short count, then an error.
bool db_file_write(int fd, const void* buf, int64_t n) {
  int64_t done = 0;
  while (done < n) {
    int64_t want = n - done < IO_CHUNK ? n - done : IO_CHUNK;
    int64_t put = raw_write(fd, static_cast<const char*>(buf) + done, want);
    if (put <= 0) return false;
    done += put;
  }
  return true;
}
