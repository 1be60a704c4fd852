// Runs a real program headless with a PALM_SCRIPT, as a person's session recorded.
#pragma once
#include <string>

#include "scratch.h"

struct ProgramRun {
  int status = -1;  // exit status; -1 when it had to be killed
  bool timedOut = false;
  double seconds = 0;  // wall time until it ended
  std::string out;     // standard output: the console when "-console" is given
  std::string err;     // standard error: message boxes and script complaints
};

// Starts `program` with `args` in `dir`, PALM_HEADLESS=1 and the script text written to
// dir/script.txt; kills it after `timeout` seconds.
ProgramRun run_executable(const std::string& program, const std::string& args,
                          const std::string& dir, const std::string& script, double timeout = 30);

// The Windows build (PALM_WINDOWS_APPS names its apps folder) under wine on a virtual X
// display: false without it or without wine, and the test skips.
bool wine_ready();
// Runs `exe`, a path under that folder, there.
ProgramRun run_under_wine(const std::string& exe, const std::string& dir, const std::string& script,
                          const std::string& args = "");

// Script lines at device pixel (x, y) (the script speaks window pixels, twice as many):
// "down", "move", "up" or "tap".
std::string script_pen(const char* command, int x, int y);
inline std::string script_tap(int x, int y) { return script_pen("tap", x, y); }
