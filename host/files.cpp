// Files the host writes for the user (pictures, recorded scripts): written under a scratch
// name beside the target and renamed over it only when complete, so a failure leaves what
// was there. Nothing but a regular file is ever replaced, and nothing is removed but the
// scratch file the host made itself.
#include <sys/stat.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string>

#include "host/db_files.h"
#include "host/host.h"

#ifdef _WIN32
#include <io.h>
#include <process.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif

// Scratch names tried before giving up: NAME.PID.N.tmp for N from 0.
static const int SCRATCH_TRIES = 16;

static void ignore_size_limit_signal() {
#ifdef SIGXFSZ
  signal(SIGXFSZ, SIG_IGN);  // a write over the file-size limit fails as a write, reported
#endif
}

// Checks the target; on success `f.target` names the file to replace (the file a symbolic
// link names, so the link stays) and `mode` its permission bits, or -1 for a new file.
static std::string check_target(HostFile& f, int& mode) {
  mode = -1;
  struct stat st;
  if (stat(f.target.c_str(), &st) != 0) {
    if (errno != ENOENT) return strerror(errno);
#ifndef _WIN32
    if (lstat(f.target.c_str(), &st) == 0) return "not a regular file";  // a dangling link
#endif
    return "";
  }
  if (!S_ISREG(st.st_mode)) return "not a regular file";  // device, FIFO, folder: never opened
#ifdef _WIN32
  if (_access(f.target.c_str(), 2) != 0) return strerror(errno);
#else
  if (access(f.target.c_str(), W_OK) != 0) return strerror(errno);
  if (char* real = realpath(f.target.c_str(), nullptr)) {
    f.target = real;
    free(real);
  }
  f.uid = static_cast<int>(st.st_uid);
  f.gid = static_cast<int>(st.st_gid);
#endif
  mode = static_cast<int>(st.st_mode & 07777);
  return "";
}

std::string host_file_begin(HostFile& f, const char* path) {
  f = HostFile{};
  f.target = path ? path : "";
  if (f.target.empty()) return "no file name";
  int mode;
  std::string why = check_target(f, mode);
  if (!why.empty()) return why;
  ignore_size_limit_signal();
  std::string stem = f.target + "." + std::to_string(getpid()) + ".";
  for (int i = 0; i < SCRATCH_TRIES && f.fd < 0; i++) {
    f.scratch = stem + std::to_string(i) + ".tmp";
    f.fd = db_file_open(f.scratch.c_str(), DB_OPEN_CREATE_NEW);
    if (f.fd < 0 && errno != EEXIST) break;
  }
  if (f.fd < 0) {
    why = strerror(errno);
    f.scratch.clear();
    return why;
  }
#ifndef _WIN32
  if (mode >= 0) {  // the replaced file's owner and permissions, not the umask's
    if (fchown(f.fd, static_cast<uid_t>(f.uid), static_cast<gid_t>(f.gid)) != 0) {
      // not ours to give away: the new file stays the writer's
    }
    fchmod(f.fd, static_cast<mode_t>(mode));
  }
#endif
  return "";
}

bool host_file_write(HostFile& f, const void* data, size_t size) {
  if (f.fd < 0) return false;
  errno = ENOSPC;  // a write that takes nothing sets no errno: the disk is full
  return db_file_write(f.fd, data, static_cast<int64_t>(size));
}

std::string host_file_commit(HostFile& f) {
  if (f.fd < 0) return "not open";
  int fd = f.fd;
  f.fd = -1;
  if (!db_file_close(fd)) {
    std::string why = strerror(errno);
    host_file_abandon(f);
    return why;
  }
  errno = EACCES;  // what a refused move says where the system sets no errno
  if (db_file_move(f.scratch.c_str(), f.target.c_str()) != DB_FILE_OK) {
    std::string why = strerror(errno);
    host_file_abandon(f);
    return why;
  }
  f.scratch.clear();
  return "";
}

void host_file_abandon(HostFile& f) {
  if (f.fd >= 0) db_file_close(f.fd);
  f.fd = -1;
  if (!f.scratch.empty()) remove(f.scratch.c_str());  // made by us, never the target
  f.scratch.clear();
}
