// Test harness: a program with its own small class table, run through the host's real
// program entry on the headless display.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "host/host.h"
#include "host/natives.h"
#include "platform/testing.h"

struct HostRun {
  std::string commandLine;
  int colourByDefault = 0;
  std::string script;      // PALM_SCRIPT contents; empty: none
  std::string scriptPath;  // PALM_SCRIPT itself, when set (a file of the test's own)
  // Runs as the application's main; when it returns the window is closed (sys_exit),
  // unless keepRunning is set.
  std::function<void()> body;
  bool keepRunning = false;
  // Platform calls to fail (applied after the reset), and host allocations to refuse.
  std::vector<std::pair<PlatformFault, int>> faults;
  int failThreadCreation = 0;  // the nth thread creation fails (1 = the pump)
  bool failEventBuffer = false;
};

struct HostResult {
  int status = -1;
  std::string console;
  std::string consoleTitle;
  std::vector<std::string> boxes;
};

// Resets the platform and the host, runs host_main, and reports what was seen.
HostResult run_host(const HostRun& run);
// A body alone, with the default switches.
HostResult run_body(std::function<void()> body);

// Lets the message pump take everything that was posted.
void pump(int rounds = 100);

// The screen bitmap, 320 x 320 window pixels, 0x00RRGGBB.
std::vector<uint32_t> screen();
// The window's own pixels in its screen area (what the user sees), 320 x 320.
std::vector<uint32_t> window_pixels();
// Colour of device pixel (x, y); its four window pixels must agree, else 0xFF000000.
uint32_t device_pixel(const std::vector<uint32_t>& s, int x, int y);
// Device pixels of that colour.
int count_device(const std::vector<uint32_t>& s, uint32_t colour);
// Clears the whole screen to white.
void clear_screen();

constexpr uint32_t WHITE = 0xFFFFFF;
constexpr uint32_t BLACK = 0x000000;
constexpr uint32_t GREY = 0x7F7F7F;

// Class indexes of this program.
int class_index(const char* name);
Ref new_short_array(const std::vector<uint16_t>& words);
Ref jstr(const char* text);
Ref jstr16(const std::vector<jchar>& chars);  // may contain 0
