// The device window's place between runs: one small text file per program in the user's
// settings folder, read when the window opens and written when it closes.
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "host/host.h"

static const int MAX_SCALE = 6;
static const long MAX_COORDINATE = 1L << 20;  // beyond any desktop: the file is not ours

#ifdef _WIN32
static const char SEPARATOR = '\\';
#else
static const char SEPARATOR = '/';
#endif

// $XDG_CONFIG_HOME/palmhost (~/.config/palmhost without it) or %APPDATA%\palmhost; empty
// when the environment names no such folder (a relative XDG_CONFIG_HOME is ignored).
static std::string settings_folder() {
#ifdef _WIN32
  const char* base = getenv("APPDATA");
  return base && *base ? std::string(base) + "\\palmhost" : "";
#else
  const char* xdg = getenv("XDG_CONFIG_HOME");
  if (xdg && xdg[0] == '/') return std::string(xdg) + "/palmhost";
  const char* home = getenv("HOME");
  return home && home[0] == '/' ? std::string(home) + "/.config/palmhost" : "";
#endif
}

static std::string settings_file(const std::string& folder) {
  return folder + SEPARATOR + host.appName + ".conf";
}

static void make_one_folder(const std::string& path) {
#ifdef _WIN32
  CreateDirectoryA(path.c_str(), nullptr);
#else
  mkdir(path.c_str(), 0700);
#endif
}

// Makes the folder and its missing parents; true when it is there.
static bool make_folder(const std::string& path) {
  for (size_t at = path.find(SEPARATOR, 1); at != std::string::npos;
       at = path.find(SEPARATOR, at + 1))
    make_one_folder(path.substr(0, at));
  make_one_folder(path);
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

static bool replace_file(const std::string& from, const std::string& to) {
#ifdef _WIN32
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
#else
  return rename(from.c_str(), to.c_str()) == 0;
#endif
}

// Lines "scale N", "x N", "y N", "full 0|1"; a file without a valid scale and place, or
// with values no desktop has, is ignored whole.
bool host_load_placement(HostPlacement* place) {
  std::string folder = settings_folder();
  if (folder.empty()) return false;
  FILE* f = fopen(settings_file(folder).c_str(), "r");
  if (!f) return false;
  HostPlacement p{};
  int seen = 0;
  bool bad = false;
  char line[128];
  while (fgets(line, sizeof line, f)) {
    char key[16];
    long v;
    char extra;
    if (line[0] == '#' || line[0] == '\n') continue;
    if (sscanf(line, "%15s %ld %c", key, &v, &extra) != 2) {
      bad = true;
      continue;
    }
    if (strcmp(key, "scale") == 0 && v >= 1 && v <= MAX_SCALE) {
      p.scale = static_cast<int>(v);
      seen |= 1;
    } else if (strcmp(key, "x") == 0 && labs(v) <= MAX_COORDINATE) {
      p.x = static_cast<int>(v);
      seen |= 2;
    } else if (strcmp(key, "y") == 0 && labs(v) <= MAX_COORDINATE) {
      p.y = static_cast<int>(v);
      seen |= 4;
    } else if (strcmp(key, "full") == 0 && (v == 0 || v == 1)) {
      p.full = v == 1;
    } else {
      bad = true;
    }
  }
  fclose(f);
  if (bad || seen != 7) return false;
  *place = p;
  return true;
}

// Written beside and renamed over the old file, so that a failed write keeps the old place.
void host_save_placement(const HostPlacement& place) {
  std::string folder = settings_folder();
  if (folder.empty() || !make_folder(folder)) return;
  std::string path = settings_file(folder), part = path + ".new";
  FILE* f = fopen(part.c_str(), "w");
  if (!f) return;
  fprintf(f, "# %s's window as it last closed\nscale %d\nx %d\ny %d\nfull %d\n", host.appName,
          place.scale, place.x, place.y, place.full ? 1 : 0);
  bool written = fflush(f) == 0 && !ferror(f);
  if (fclose(f) != 0 || !written || !replace_file(part, path)) remove(part.c_str());
}
