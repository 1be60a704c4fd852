// Automation: a script (-script FILE or PALM_SCRIPT) run from the main loop, one command a
// line, posting the same input messages a user's mouse and keyboard produce and saving
// pictures; gremlins, random but reproducible input; and the recording of a session's
// input as a script. A script is read as it runs, never whole, and never with a call that
// blocks: a pipe or FIFO whose writer is slow or absent leaves the program running.
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "host/host.h"

#ifdef _WIN32
#include <io.h>
#else
#include <poll.h>
#include <unistd.h>
#endif

// Longer lines are malformed (no command needs more); error messages quote this much.
static const size_t MAX_LINE = 1024;
static const size_t QUOTE_LENGTH = 60;
static const size_t READ_CHUNK = 4096;
// A gremlin after its event, and a script at `settle`, wait until the program has taken its
// input and a scheduler round had nothing to do, counted in rounds so that a slow machine
// sees input land in the same program state. A program that draws frames never settles:
// after this many rounds or this long it goes on anyway. A script's pictures must not be
// taken early on a busy machine, where one round may take long; random input may.
static const int SETTLE_ROUNDS = 64;
static const DWORD GREMLIN_SETTLE_MS = 500;
static const DWORD SCRIPT_SETTLE_MS = 5000;

struct Settling {
  bool on = false;
  int rounds = 0;
  DWORD since = 0;
};

struct Script {
  std::string path;
  const char* origin = "PALM_SCRIPT";  // how messages name the script
  bool strict = false;                 // -script: a failure ends the program
  int fd = -1;
  bool regular = true;
  bool eof = false;
  bool later = false;   // the last read found nothing yet (a pipe's writer is slow)
  std::string pending;  // read but not yet taken
  size_t number = 0;    // of the line last read
  std::string line;     // as read, for messages
  bool waiting = false;
  DWORD until = 0;
  Settling settling;
};

struct Gremlins {
  long left = 0;
  uint64_t state = 0;
  Settling settling;        // after the last event
  bool closeAfter = false;  // no script follows them
};

static void settle_start(Settling& s) { s = {true, 0, GetTickCount()}; }

// Called once a pass: false while the program is still taking its input, for at most
// `most` milliseconds.
static bool settled(Settling& s, DWORD most) {
  if (!s.on) return true;
  bool quiet = host.count == 0 && host_last_round_quiet();
  bool late = ++s.rounds >= SETTLE_ROUNDS || GetTickCount() - s.since >= most;
  if (!quiet && !late) return false;
  s.on = false;
  return true;
}

struct Recorder {
  HostFile file;
  bool on = false;
  bool started = false;  // the clock runs from the main loop's first step, as a script's does
  DWORD last = 0;
};

static Script g_script;
static Gremlins g_gremlins;
static Recorder g_recorder;
static int g_status;

/* ---------------------------------------------------------------------------
 * Messages
 * ------------------------------------------------------------------------- */

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
  fprintf(stderr, "%s %s:%zu: %s: %s%s\n", g_script.origin, g_script.path.c_str(), g_script.number,
          what.c_str(), quoted(g_script.line).c_str(), after);
  fflush(stderr);
}

static void post(UINT msg, WPARAM wp, LPARAM lp) { PostMessageA(host.window, msg, wp, lp); }

/* ---------------------------------------------------------------------------
 * Reading a script without blocking
 * ------------------------------------------------------------------------- */

static void close_script() {
  if (g_script.fd >= 0) {
#ifdef _WIN32
    _close(g_script.fd);
#else
    close(g_script.fd);
#endif
  }
  g_script.fd = -1;
  g_script.later = false;
}

// A -script failure ends the program with HOST_AUTOMATION_FAILED, as its close box would;
// a PALM_SCRIPT failure only ends the script.
static void stop_with(const std::string& reason) {
  complain(reason, g_script.strict ? "; ending the program" : "; script stopped");
  close_script();
  if (g_script.strict) {
    g_status = HOST_AUTOMATION_FAILED;
    post(WM_CLOSE, 0, 0);
  }
}

// Opens without waiting for a FIFO's writer; a folder is refused as a missing file is.
static std::string open_script(const std::string& path) {
#ifdef _WIN32
  int fd = _open(path.c_str(), _O_RDONLY | _O_BINARY);
#else
  int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
#endif
  if (fd < 0) return strerror(errno);
  struct stat st;
  if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
#ifdef _WIN32
    _close(fd);
#else
    close(fd);
#endif
    return strerror(EISDIR);
  }
  g_script.fd = fd;
  g_script.regular = S_ISREG(st.st_mode);
  return "";
}

// Whether the script's descriptor has input or its end within ms (a file always has).
static bool descriptor_ready(DWORD ms) {
  if (g_script.fd < 0) return false;
  if (g_script.regular) return true;
#ifdef _WIN32
  HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(g_script.fd));
  if (GetFileType(h) != FILE_TYPE_PIPE) return true;
  DWORD available = 0;
  if (!PeekNamedPipe(h, nullptr, 0, nullptr, &available, nullptr)) return true;  // its end
  if (available == 0 && ms > 0) Sleep(ms);  // an anonymous pipe cannot be waited on
  return available > 0;
#else
  // A FIFO that has never had a writer shows nothing here; one whose writer left shows
  // its end (POLLHUP).
  pollfd p = {g_script.fd, POLLIN, 0};
  int timeout = ms > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(ms);
  return poll(&p, 1, timeout) > 0;
#endif
}

// Reads what the descriptor has; false with `problem` set on a read error.
static bool fill(std::string& problem) {
  char chunk[READ_CHUNK];
  for (;;) {
#ifdef _WIN32
    int n = _read(g_script.fd, chunk, sizeof chunk);
#else
    ssize_t n = read(g_script.fd, chunk, sizeof chunk);
#endif
    if (n > 0) {
      g_script.pending.append(chunk, static_cast<size_t>(n));
    } else if (n == 0) {
      g_script.eof = true;
    } else if (errno == EINTR) {
      continue;
    } else if (errno != EAGAIN && errno != EWOULDBLOCK) {
      problem = std::string("cannot read the file (") + strerror(errno) + ")";
      return false;
    }
    return true;
  }
}

enum class Read { LINE, LATER, END };

// The next line without its line end. Sets `problem` for a line that is too long (the
// rest of it is not read), holds a NUL byte, or cannot be read.
static Read next_line(std::string& line, std::string& problem) {
  line.clear();
  problem.clear();
  for (;;) {
    std::string& p = g_script.pending;
    size_t end = p.find('\n');
    if (end != std::string::npos || p.size() > MAX_LINE || (g_script.eof && !p.empty())) {
      if (end == std::string::npos) end = p.size();
      if (end > MAX_LINE) {
        line = p.substr(0, MAX_LINE);
        problem = "line longer than " + std::to_string(MAX_LINE) + " bytes";
        return Read::LINE;
      }
      line = p.substr(0, end);
      p.erase(0, end + 1);
      if (line.find('\0') != std::string::npos) problem = "NUL byte in the line";
      if (!line.empty() && line.back() == '\r') line.pop_back();
      return Read::LINE;
    }
    if (g_script.eof) return Read::END;
    if (!descriptor_ready(0)) return Read::LATER;
    size_t had = p.size();
    if (!fill(problem)) return Read::LINE;
    if (p.size() == had && !g_script.eof) return Read::LATER;
  }
}

bool script_waits_for_input() {
  return g_script.fd >= 0 && g_script.later && !g_script.waiting && g_gremlins.left == 0 &&
         !g_gremlins.settling.on;
}

bool script_input_ready(DWORD ms) { return descriptor_ready(ms); }

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

// Screen or whole window into a PNG file; an error text, empty on success. What was at the
// path stays unless the new picture was written in full.
static std::string save_picture(const char* path, bool whole) {
  int w = whole ? HOST_CLIENT_WIDTH : HOST_SCREEN_SIZE;
  int h = whole ? HOST_CLIENT_HEIGHT : HOST_SCREEN_SIZE;
  std::vector<uint32_t> pixels(static_cast<size_t>(w) * h);
  if (!(whole ? host_read_window(pixels.data()) : host_read_screen(pixels.data())))
    return "no window to take a picture of";
  std::string why;
  png_write(path, pixels.data(), w, h, &why);
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
  } else if (cmd == "settle") {
    if (!rest.empty()) return reason = with_junk("settle takes nothing", rest), false;
    settle_start(g_script.settling);
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

/* ---------------------------------------------------------------------------
 * Gremlins
 * ------------------------------------------------------------------------- */

// splitmix64: the same seed gives the same events on every platform.
static uint64_t random_next() {
  uint64_t z = (g_gremlins.state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

static int random_below(int n) {
  return static_cast<int>(random_next() % static_cast<uint64_t>(n));
}

static std::string point(int x, int y) { return std::to_string(x) + " " + std::to_string(y); }

// One gremlin event as script lines: a tap or a stroke on the screen, a silk-screen
// button, an arrow key or a typed character.
static std::vector<std::string> gremlin_event() {
  int kind = random_below(100);
  if (kind < 35) {
    std::string at = point(random_below(HOST_SCREEN_SIZE), random_below(HOST_SCREEN_SIZE));
    return {"tap " + at};
  }
  if (kind < 60) {
    int x = random_below(HOST_SCREEN_SIZE), y = random_below(HOST_SCREEN_SIZE);
    std::vector<std::string> lines = {"down " + point(x, y)};
    for (int moves = 2 + random_below(7); moves > 0; moves--) {
      x = std::min(HOST_SCREEN_SIZE - 1, std::max(0, x + random_below(81) - 40));
      y = std::min(HOST_SCREEN_SIZE - 1, std::max(0, y + random_below(81) - 40));
      lines.push_back("move " + point(x, y));
    }
    lines.push_back("up " + point(x, y));
    return lines;
  }
  if (kind < 75)
    return {std::string("press ") + host_button_label(random_below(HOST_SILK_BUTTONS))};
  if (kind < 85) return {"key " + std::to_string(VK_LEFT + random_below(4))};
  static const int CONTROL_CHARS[] = {8, 9, 13, 27};
  int c = random_below(10) == 0 ? CONTROL_CHARS[random_below(4)] : 32 + random_below(95);
  return {"char " + std::to_string(c)};
}

// Runs the next gremlin event once the last one has been taken; false to wait.
static bool gremlin_step() {
  if (!settled(g_gremlins.settling, GREMLIN_SETTLE_MS)) return false;
  if (g_gremlins.left > 0) {
    g_gremlins.left--;
    for (const std::string& line : gremlin_event()) {
      std::string reason;
      run(line, reason);
    }
    host_note_work();
    settle_start(g_gremlins.settling);
    return false;  // settled only by a round after this one
  }
  if (g_gremlins.closeAfter) {
    g_gremlins.closeAfter = false;
    post(WM_CLOSE, 0, 0);
  }
  return true;
}

/* ---------------------------------------------------------------------------
 * Recording
 * ------------------------------------------------------------------------- */

static void record_failed(const char* why) {
  fprintf(stderr, "%s: -record %s: cannot write the file (%s); recording stopped\n", host.appName,
          g_recorder.file.target.c_str(), why);
  fflush(stderr);
  host_file_abandon(g_recorder.file);
  g_recorder.on = false;
  g_status = HOST_AUTOMATION_FAILED;
}

// A line of the recorded script, after a wait for the time since the last one.
static void record_line(const std::string& text) {
  if (!g_recorder.on) return;
  DWORD now = GetTickCount();
  std::string out;
  if (now != g_recorder.last) out = "wait " + std::to_string(now - g_recorder.last) + "\n";
  g_recorder.last = now;
  out += text + "\n";
  if (!host_file_write(g_recorder.file, out.data(), out.size())) record_failed(strerror(errno));
}

void script_note_input(UINT msg, WPARAM wp, LPARAM lp) {
  if (!g_recorder.on) return;
  std::string at = point(static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
  switch (msg) {
    case WM_LBUTTONDOWN:
      record_line("down " + at);
      break;
    case WM_MOUSEMOVE:
      record_line("move " + at);
      break;
    case WM_LBUTTONUP:
      record_line("up " + at);
      break;
    case WM_KEYDOWN:
      record_line("key " + std::to_string(wp));
      break;
    case WM_CHAR:
      record_line("char " + std::to_string(wp));
      break;
    case WM_COMMAND:
      if (const char* label = host_button_label_of(LOWORD(wp)))
        record_line(std::string("press ") + label);
      break;
  }
}

static bool record_begin(const std::string& path) {
  std::string why = host_file_begin(g_recorder.file, path.c_str());
  if (!why.empty()) {
    fprintf(stderr, "%s: -record %s: cannot write the file (%s)\n", host.appName, path.c_str(),
            why.c_str());
    fflush(stderr);
    return false;
  }
  g_recorder.on = true;
  g_recorder.last = GetTickCount();
  std::string head = std::string("# ") + host.appName +
                     ": pen and key input as recorded; replay it with -script FILE\n";
  if (!host_file_write(g_recorder.file, head.data(), head.size())) {
    record_failed(strerror(errno));
    return false;
  }
  return true;
}

// The session ends with the time since its last input, then the close that ended it.
static void record_end() {
  if (!g_recorder.on) return;
  record_line("close");
  if (!g_recorder.on) return;
  g_recorder.on = false;
  std::string why = host_file_commit(g_recorder.file);
  if (!why.empty()) record_failed(why.c_str());
}

/* ---------------------------------------------------------------------------
 * Running
 * ------------------------------------------------------------------------- */

bool script_begin(const HostOptions& options) {
  script_stop();
  g_status = 0;
  if (!options.record.empty() && !record_begin(options.record)) return false;
  std::string path = options.script;
  const char* env = getenv("PALM_SCRIPT");
  g_script.strict = !path.empty();
  g_script.origin = g_script.strict ? "-script" : "PALM_SCRIPT";
  if (path.empty() && env) path = env;
  g_script.path = path;
  if (!path.empty()) {
    std::string why = open_script(path);
    if (!why.empty()) {
      fprintf(stderr, "%s %s: cannot open the file (%s); %s\n", g_script.origin, path.c_str(),
              why.c_str(), g_script.strict ? "not started" : "no script run");
      fflush(stderr);
      if (g_script.strict) {
        script_cancel();
        return false;
      }
    }
  }
  if (options.gremlins >= 0) {
    g_gremlins.left = options.gremlins;
    g_gremlins.state = options.seed;
    g_gremlins.closeAfter = g_script.fd < 0;
    fprintf(stderr, "%s: %ld gremlins, seed %llu\n", host.appName, options.gremlins,
            static_cast<unsigned long long>(options.seed));
    fflush(stderr);
  }
  return true;
}

// The program never ran: a recording of nothing replaces no file.
void script_cancel() {
  host_file_abandon(g_recorder.file);
  g_recorder.on = false;
  script_stop();
}

void script_stop() {
  record_end();
  host_file_abandon(g_recorder.file);
  g_recorder = Recorder{};
  close_script();
  g_script = Script{};
  g_gremlins = Gremlins{};
}

int script_status() { return g_status; }

// Runs commands until one waits, the script's writer has nothing more yet, or it ends.
void script_step() {
  if (!g_recorder.started) {
    g_recorder.started = true;
    g_recorder.last = GetTickCount();
  }
  for (;;) {
    if (g_script.waiting) {
      if (static_cast<int32_t>(GetTickCount() - g_script.until) < 0) return;
      g_script.waiting = false;
    }
    if (!settled(g_script.settling, SCRIPT_SETTLE_MS)) return;
    if (g_gremlins.left > 0 || g_gremlins.settling.on || g_gremlins.closeAfter) {
      if (!gremlin_step()) return;
      continue;
    }
    if (g_script.fd < 0) return;
    std::string line, problem;
    Read got = next_line(line, problem);
    g_script.later = got == Read::LATER;
    if (got == Read::LATER) return;
    if (got == Read::END) {
      close_script();
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
    if (g_script.settling.on) return;  // settled only by a round after this one
  }
}

DWORD script_due_in() {
  if (g_script.waiting) {
    auto left = static_cast<int32_t>(g_script.until - GetTickCount());
    return left > 0 ? static_cast<DWORD>(left) : 0;
  }
  if (g_script.settling.on || g_gremlins.left > 0 || g_gremlins.settling.on ||
      g_gremlins.closeAfter)
    return 0;
  if (g_script.fd >= 0 && !g_script.later) return 0;
  return INFINITE;  // ended, or waiting for a writer: the idle wait watches the descriptor
}
