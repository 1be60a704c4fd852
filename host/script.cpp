// Automation: a PALM_SCRIPT file run from the main loop, one command a line, posting the
// same input messages a user's mouse and keyboard produce and saving screenshots. The file
// is read a line at a time as the script goes, so an endless file costs nothing.
#include <sys/stat.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "host/host.h"

// Longer lines are malformed (no command needs more); error messages quote this much.
static const size_t MAX_LINE = 1024;
static const size_t QUOTE_LENGTH = 60;

struct Script {
  bool active = false;
  std::string path;
  FILE* file = nullptr;
  size_t number = 0;  // of the line last read
  std::string line;   // as read, for messages
  bool waiting = false;
  DWORD until = 0;
};
static Script g_script;

// A line for a message: at most QUOTE_LENGTH bytes, control bytes and quotes escaped.
static std::string quoted(const std::string& s) {
  std::string out = "\"";
  for (size_t i = 0; i < s.size() && i < QUOTE_LENGTH; i++) {
    auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x20 || c == 0x7F) {
      char buf[8];
      snprintf(buf, sizeof buf, "\\x%02X", c);
      out += buf;
    } else if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else {
      out += static_cast<char>(c);
    }
  }
  out += s.size() > QUOTE_LENGTH ? "...\"" : "\"";
  return out;
}

static void complain(const std::string& what, const char* after = "") {
  fprintf(stderr, "PALM_SCRIPT %s:%zu: %s: %s%s\n", g_script.path.c_str(), g_script.number,
          what.c_str(), quoted(g_script.line).c_str(), after);
  fflush(stderr);
}

static void end_script() {
  if (g_script.file) fclose(g_script.file);
  g_script.file = nullptr;
  g_script.active = false;
}

static void stop_with(const std::string& reason) {
  complain(reason, "; script stopped");
  end_script();
}

// A directory or an unreadable file is reported as a missing one is.
void script_start(const char* path) {
  script_stop();
  g_script.path = path;
  FILE* f = fopen(path, "rb");
  struct stat st;
  const char* why = nullptr;
  if (!f) {
    why = strerror(errno);
  } else if (fstat(fileno(f), &st) != 0 || S_ISDIR(st.st_mode)) {
    why = strerror(EISDIR);
    fclose(f);
    f = nullptr;
  }
  if (!f) {
    fprintf(stderr, "PALM_SCRIPT %s: cannot open the file (%s); no script run\n", path, why);
    fflush(stderr);
    return;
  }
#ifdef SIGXFSZ
  signal(SIGXFSZ, SIG_IGN);  // a shot over the file-size limit fails as a write, reported
#endif
  g_script.file = f;
  g_script.active = true;
}

void script_stop() {
  end_script();
  g_script = Script{};
}

// The next line without its line end; false at the end of the file. Sets `problem` for a
// line that is too long (the rest of it is not read) or holds a NUL byte.
static bool read_line(std::string& line, std::string& problem) {
  line.clear();
  problem.clear();
  int c;
  bool any = false;
  while ((c = getc(g_script.file)) != EOF) {
    any = true;
    if (c == '\n') break;
    if (line.size() == MAX_LINE) {
      problem = "line longer than " + std::to_string(MAX_LINE) + " bytes";
      return true;
    }
    if (c == 0 && problem.empty()) problem = "NUL byte in the line";
    line += static_cast<char>(c);
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return any;
}

/* ---------------------------------------------------------------------------
 * Pictures
 * ------------------------------------------------------------------------- */

static void dib_header(BITMAPINFO& bmi, int width, int height) {
  bmi = BITMAPINFO{};
  bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bmi.bmiHeader.biWidth = width;
  bmi.bmiHeader.biHeight = -height;  // top-down
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 32;
  bmi.bmiHeader.biCompression = BI_RGB;
}

bool host_read_screen(uint32_t* pixels) {
  if (!host.screen) return false;
  BITMAPINFO bmi;
  dib_header(bmi, HOST_SCREEN_SIZE, HOST_SCREEN_SIZE);
  HDC dc = GetDC(host.window);
  int rows = GetDIBits(dc, host.screen, 0, HOST_SCREEN_SIZE, pixels, &bmi, DIB_RGB_COLORS);
  ReleaseDC(host.window, dc);
  for (int i = 0; i < HOST_SCREEN_SIZE * HOST_SCREEN_SIZE; i++) pixels[i] &= 0xFFFFFF;
  return rows == HOST_SCREEN_SIZE;
}

// The client area copied out of the window at scale 1.
bool host_read_window(uint32_t* pixels) {
  if (!host.window || !host.screen) return false;
  HDC dc = GetDC(host.window);
  HDC mem = CreateCompatibleDC(dc);
  HBITMAP copy = CreateCompatibleBitmap(dc, HOST_CLIENT_WIDTH, HOST_CLIENT_HEIGHT);
  HGDIOBJ old = SelectObject(mem, copy);
#ifdef _WIN32
  host_compose_window(dc, mem);  // the real client area is at the scale shown
#else
  BitBlt(mem, 0, 0, HOST_CLIENT_WIDTH, HOST_CLIENT_HEIGHT, dc, 0, 0, SRCCOPY);
#endif
  SelectObject(mem, old);
  DeleteDC(mem);
  BITMAPINFO bmi;
  dib_header(bmi, HOST_CLIENT_WIDTH, HOST_CLIENT_HEIGHT);
  int rows = GetDIBits(dc, copy, 0, HOST_CLIENT_HEIGHT, pixels, &bmi, DIB_RGB_COLORS);
  ReleaseDC(host.window, dc);
  DeleteObject(copy);
  for (int i = 0; i < HOST_CLIENT_WIDTH * HOST_CLIENT_HEIGHT; i++) pixels[i] &= 0xFFFFFF;
  return rows == HOST_CLIENT_HEIGHT;
}

// Screen or whole window into a PNG file; an error text, empty on success. A file not
// written in full (file-size limit, full disk) is removed.
static std::string save_picture(const char* path, bool whole) {
  int w = whole ? HOST_CLIENT_WIDTH : HOST_SCREEN_SIZE;
  int h = whole ? HOST_CLIENT_HEIGHT : HOST_SCREEN_SIZE;
  std::vector<uint32_t> pixels(static_cast<size_t>(w) * h);
  if (!(whole ? host_read_window(pixels.data()) : host_read_screen(pixels.data())))
    return "no window to take a picture of";
  errno = 0;
  if (png_write(path, pixels.data(), w, h)) return "";
  std::string why = errno ? strerror(errno) : "write failed";
  remove(path);
  return why;
}

void host_save_screenshot() {
  SYSTEMTIME t;
  GetSystemTime(&t);
  char name[96];
  snprintf(name, sizeof name, "%s-%04u%02u%02u-%02u%02u%02u-%03u.png", host.appName, t.wYear,
           t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
  std::string why = save_picture(name, false);
  if (why.empty())
    fprintf(stderr, "%s: screen saved as %s\n", host.appName, name);
  else
    fprintf(stderr, "%s: cannot save the screen as %s (%s)\n", host.appName, name, why.c_str());
  fflush(stderr);
}

/* ---------------------------------------------------------------------------
 * Commands
 * ------------------------------------------------------------------------- */

static std::string trim(const std::string& s) {
  size_t a = s.find_first_not_of(" \t"), b = s.find_last_not_of(" \t");
  return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

// Whole-token decimal numbers within [lo, hi]; anything after them is named in `junk`.
static bool numbers(std::istringstream& in, int count, long lo, long hi, long* out,
                    std::string& junk) {
  for (int i = 0; i < count; i++) {
    std::string tok;
    if (!(in >> tok)) return false;
    char* end;
    errno = 0;
    long v = strtol(tok.c_str(), &end, 10);
    if (*end || errno || v < lo || v > hi) return false;
    out[i] = v;
  }
  std::getline(in, junk);
  junk = trim(junk);
  return junk.empty();
}

static std::string with_junk(const std::string& reason, const std::string& junk) {
  return junk.empty() ? reason : reason + "; trailing " + quoted(junk);
}

static void post(UINT msg, WPARAM wp, LPARAM lp) { PostMessageA(host.window, msg, wp, lp); }

// Runs one command; false when the line is malformed.
static bool run(const std::string& line, std::string& reason) {
  std::istringstream in(line);
  std::string cmd;
  in >> cmd;
  std::string rest;
  std::getline(in, rest);
  rest = trim(rest);
  std::istringstream args(rest);
  long v[2];
  std::string junk;
  if (cmd == "wait") {
    if (!numbers(args, 1, 0, 86400000, v, junk))
      return reason = with_junk("wait needs milliseconds", junk), false;
    g_script.waiting = true;
    g_script.until = GetTickCount() + static_cast<DWORD>(v[0]);
  } else if (cmd == "down" || cmd == "move" || cmd == "up" || cmd == "tap") {
    if (!numbers(args, 2, -32768, 32767, v, junk))
      return reason = with_junk(cmd + " needs X Y", junk), false;
#ifdef _WIN32
    LPARAM lp = host_client_point(static_cast<int>(v[0]), static_cast<int>(v[1]));
#else
    LPARAM lp = MAKELPARAM(v[0], v[1]);
#endif
    if (cmd == "down" || cmd == "tap") post(WM_LBUTTONDOWN, MK_LBUTTON, lp);
    if (cmd == "move") post(WM_MOUSEMOVE, MK_LBUTTON, lp);
    if (cmd == "up" || cmd == "tap") post(WM_LBUTTONUP, 0, lp);
  } else if (cmd == "key" || cmd == "char") {
    if (!numbers(args, 1, 0, 65535, v, junk))
      return reason = with_junk(cmd + " needs a decimal code", junk), false;
    post(cmd == "key" ? WM_KEYDOWN : WM_CHAR, static_cast<WPARAM>(v[0]), 1);
  } else if (cmd == "press") {
    int id = host_button_id(rest.c_str());
    if (id < 0) return reason = "no silk-screen button of that label", false;
    post(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
         reinterpret_cast<LPARAM>(GetDlgItem(host.window, id)));
  } else if (cmd == "shot" || cmd == "window") {
    if (rest.empty()) return reason = cmd + " needs a file name", false;
    // Reported, and the script goes on: the program is not at fault.
    std::string why = save_picture(rest.c_str(), cmd == "window");
    if (!why.empty()) complain("cannot write " + rest + " (" + why + ")");
  } else if (cmd == "close") {
    if (!rest.empty()) return reason = with_junk("close takes nothing", rest), false;
    post(WM_CLOSE, 0, 0);
  } else {
    return reason = "unknown command", false;
  }
  return true;
}

// Runs commands until one waits or the script ends.
void script_step() {
  while (g_script.active) {
    if (g_script.waiting) {
      if (static_cast<int32_t>(GetTickCount() - g_script.until) < 0) return;
      g_script.waiting = false;
    }
    std::string line, problem;
    if (!read_line(line, problem)) {
      end_script();
      return;
    }
    g_script.number++;
    g_script.line = line;
    host_note_work();
    if (!problem.empty()) {
      stop_with(problem);
      return;
    }
    size_t hash = line.find('#');
    if (hash != std::string::npos) line.erase(hash);
    line = trim(line);
    if (line.empty()) continue;
    std::string reason;
    if (!run(line, reason)) stop_with(reason);
  }
}

DWORD script_due_in() {
  if (!g_script.active) return INFINITE;
  if (!g_script.waiting) return 0;
  auto left = static_cast<int32_t>(g_script.until - GetTickCount());
  return left > 0 ? static_cast<DWORD>(left) : 0;
}
