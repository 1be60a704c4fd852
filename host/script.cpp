// Automation: a PALM_SCRIPT file run from the main loop, one command a line, posting the
// same input messages a user's mouse and keyboard produce and saving screenshots.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "host/host.h"

struct Script {
  bool active = false;
  std::string path;
  std::vector<std::string> lines;
  size_t next = 0;
  bool waiting = false;
  DWORD until = 0;
};
static Script g_script;

static void stop_with(const std::string& reason) {
  fprintf(stderr, "PALM_SCRIPT %s:%zu: %s: \"%s\"; script stopped\n", g_script.path.c_str(),
          g_script.next, reason.c_str(), g_script.lines[g_script.next - 1].c_str());
  fflush(stderr);
  g_script.active = false;
}

void script_start(const char* path) {
  g_script = Script{};
  g_script.path = path;
  std::ifstream in(path);
  if (!in) {
    fprintf(stderr, "PALM_SCRIPT %s: cannot open the file; no script run\n", path);
    fflush(stderr);
    return;
  }
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    g_script.lines.push_back(line);
  }
  g_script.active = true;
}

void script_stop() { g_script = Script{}; }

bool host_read_screen(uint32_t* pixels) {
  if (!host.screen) return false;
  BITMAPINFO bmi{};
  bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bmi.bmiHeader.biWidth = HOST_SCREEN_SIZE;
  bmi.bmiHeader.biHeight = -HOST_SCREEN_SIZE;  // top-down
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 32;
  bmi.bmiHeader.biCompression = BI_RGB;
  HDC dc = GetDC(host.window);
  int rows = GetDIBits(dc, host.screen, 0, HOST_SCREEN_SIZE, pixels, &bmi, DIB_RGB_COLORS);
  ReleaseDC(host.window, dc);
  for (int i = 0; i < HOST_SCREEN_SIZE * HOST_SCREEN_SIZE; i++) pixels[i] &= 0xFFFFFF;
  return rows == HOST_SCREEN_SIZE;
}

static std::string trim(const std::string& s) {
  size_t a = s.find_first_not_of(" \t"), b = s.find_last_not_of(" \t");
  return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

// Whole-token decimal numbers within [lo, hi].
static bool numbers(std::istringstream& in, int count, long lo, long hi, long* out) {
  for (int i = 0; i < count; i++) {
    std::string tok;
    if (!(in >> tok)) return false;
    char* end;
    errno = 0;
    long v = strtol(tok.c_str(), &end, 10);
    if (*end || errno || v < lo || v > hi) return false;
    out[i] = v;
  }
  std::string extra;
  return !(in >> extra);
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
  if (cmd == "wait") {
    if (!numbers(args, 1, 0, 86400000, v)) return reason = "wait needs milliseconds", false;
    g_script.waiting = true;
    g_script.until = GetTickCount() + static_cast<DWORD>(v[0]);
  } else if (cmd == "down" || cmd == "move" || cmd == "up" || cmd == "tap") {
    if (!numbers(args, 2, -32768, 32767, v)) return reason = cmd + " needs X Y", false;
    LPARAM lp = MAKELPARAM(v[0], v[1]);
    if (cmd == "down" || cmd == "tap") post(WM_LBUTTONDOWN, MK_LBUTTON, lp);
    if (cmd == "move") post(WM_MOUSEMOVE, MK_LBUTTON, lp);
    if (cmd == "up" || cmd == "tap") post(WM_LBUTTONUP, 0, lp);
  } else if (cmd == "key" || cmd == "char") {
    if (!numbers(args, 1, 0, 65535, v)) return reason = cmd + " needs a decimal code", false;
    post(cmd == "key" ? WM_KEYDOWN : WM_CHAR, static_cast<WPARAM>(v[0]), 1);
  } else if (cmd == "press") {
    int id = host_button_id(rest.c_str());
    if (id < 0) return reason = "no silk-screen button of that label", false;
    post(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
         reinterpret_cast<LPARAM>(GetDlgItem(host.window, id)));
  } else if (cmd == "shot") {
    if (rest.empty()) return reason = "shot needs a file name", false;
    std::vector<uint32_t> pixels(HOST_SCREEN_SIZE * HOST_SCREEN_SIZE);
    if (!host_read_screen(pixels.data()) ||
        !png_write(rest.c_str(), pixels.data(), HOST_SCREEN_SIZE, HOST_SCREEN_SIZE))
      return reason = "cannot write the screenshot", false;
  } else if (cmd == "close") {
    if (!rest.empty()) return reason = "close takes nothing", false;
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
    if (g_script.next >= g_script.lines.size()) {
      g_script.active = false;
      return;
    }
    std::string line = g_script.lines[g_script.next++];
    size_t hash = line.find('#');
    if (hash != std::string::npos) line.erase(hash);
    line = trim(line);
    if (line.empty()) continue;
    std::string reason;
    if (!run(line, reason)) stop_with(reason);
  }
}
