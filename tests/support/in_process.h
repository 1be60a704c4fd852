// A palm program run inside the test through the host's real entry on the headless display:
// a class list of our choosing and a body standing in for the application's main.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "host/host.h"
#include "host/natives.h"
#include "picture.h"
#include "platform/testing.h"
#include "program.h"

struct InProcess {
  // The class list; none: the runtime's classes and the short and float arrays.
  std::vector<ClassDecl*> (*classes)() = nullptr;
  // Runs as main; when it returns the window is closed (sys_exit), unless keepRunning.
  std::function<void()> body;
  bool keepRunning = false;
  std::string commandLine;
  int colourByDefault = 0;
  std::string script;      // PALM_SCRIPT text, written to a scratch file; empty: none
  std::string scriptPath;  // PALM_SCRIPT itself, when set
  bool idleWait = false;
  int64_t clock = -1;  // a fixed wall clock (ms), or -1 for the real one
  // Platform calls to fail (applied after the reset), and host allocations to refuse.
  std::vector<std::pair<PlatformFault, int>> faults;
  int failThreadCreation = 0;  // the nth thread creation fails (1 = the pump)
  bool failEventBuffer = false;
};

struct InProcessResult {
  int status = -1;
  std::string console;  // what went to the console (with "-console")
  std::string consoleTitle;
  std::vector<std::string> boxes;  // message boxes, "caption: text"
};

// Resets the platform and the host, runs host_main, and reports what was seen.
InProcessResult run_in_process(const InProcess& run);
// A body alone, with the default classes and switches.
InProcessResult run_body(std::function<void()> body);
// What every run of a well-behaved program ends with: status 0 and no message box (no fatal
// error, no uncaught exception).
void run_cleanly(std::vector<ClassDecl*> (*classes)(), std::function<void()> body,
                 std::string commandLine = "");

// Input as the window procedure queues it; x and y in window pixels (twice the device's).
// Nothing runs until the test yields.
void queue_pen(unsigned msg, int x, int y);
void queue_tap(int x, int y);  // a press and a release
void queue_char(int code);
// A press and a release at device pixel (x, y), then ten turns for the program to take them.
void tap_device(int x, int y);
// A palm key code straight into the event queue, then ten turns.
void palm_key(jint code);

// The screen bitmap, 320 x 320 window pixels, 0x00RRGGBB.
std::vector<uint32_t> screen();
// The screen bitmap as device pixels.
Screen screen_now();
// The window's own pixels in its screen area (what the user sees), 320 x 320.
std::vector<uint32_t> window_pixels();
// Device pixels of that colour.
int count_device(const std::vector<uint32_t>& s, uint32_t colour);
// Clears the whole screen to white.
void clear_screen();

constexpr uint32_t WHITE = 0xFFFFFF;
constexpr uint32_t BLACK = 0x000000;
constexpr uint32_t GREY = 0x7F7F7F;

// A short array of these words; a String of Latin-1 text.
Ref new_short_array(const std::vector<uint16_t>& words);
Ref jstr(const char* text);
