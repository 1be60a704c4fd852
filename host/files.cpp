// Files the host writes for the user (pictures, recorded scripts): written under a scratch
// name beside the target and renamed over it only when complete, so a failure leaves what
// was there. Nothing but a regular file is ever replaced, and nothing is removed but the
// scratch file the host made itself.
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string>

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

static int create_new(const std::string& path, int mode) {
#ifdef _WIN32
  return _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
#else
  return open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
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
    f.fd = create_new(f.scratch, mode >= 0 ? mode : 0666);
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
  const auto* p = static_cast<const char*>(data);
  while (size > 0) {
    if (f.fd < 0) return false;
#ifdef _WIN32
    int n = _write(f.fd, p, static_cast<unsigned>(size > (1u << 30) ? (1u << 30) : size));
#else
    ssize_t n = write(f.fd, p, size);
#endif
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = ENOSPC;
      return false;
    }
    p += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

static int close_fd(int fd) {
#ifdef _WIN32
  return _close(fd);
#else
  return close(fd);
#endif
}

std::string host_file_commit(HostFile& f) {
  if (f.fd < 0) return "not open";
  int fd = f.fd;
  f.fd = -1;
  if (close_fd(fd) != 0) {
    std::string why = strerror(errno);
    host_file_abandon(f);
    return why;
  }
#ifdef _WIN32
  bool moved = MoveFileExA(f.scratch.c_str(), f.target.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
  if (!moved) errno = EACCES;
#else
  bool moved = rename(f.scratch.c_str(), f.target.c_str()) == 0;
#endif
  if (!moved) {
    std::string why = strerror(errno);
    host_file_abandon(f);
    return why;
  }
  f.scratch.clear();
  return "";
}

void host_file_abandon(HostFile& f) {
  if (f.fd >= 0) close_fd(f.fd);
  f.fd = -1;
  if (!f.scratch.empty()) remove(f.scratch.c_str());  // made by us, never the target
  f.scratch.clear();
}
