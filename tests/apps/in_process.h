// A palm program run inside the test: a class list of our choosing and a body standing in
// for the application's main, through the host's real entry on the headless display.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "runtime/class_decl.h"
#include "screenshot.h"

struct InProcess {
  std::vector<ClassDecl*> (*classes)() = nullptr;
  std::function<void()> body;  // runs as main; when it returns the window is closed
  std::string commandLine;
};

struct InProcessResult {
  int status = -1;
  std::string console;             // what went to the console (with "-console")
  std::vector<std::string> boxes;  // message boxes, "caption: text"
};

InProcessResult run_in_process(const InProcess& run);

// The same, expecting what every run of a well-behaved program ends with: status 0 and no
// message box (no fatal error, no uncaught exception). In clean_run.cpp, for the tests.
void run_cleanly(std::vector<ClassDecl*> (*classes)(), std::function<void()> body);

// Gives every other thread `rounds` turns of the scheduler.
void pump(int rounds);

// Input as the window procedure queues it; x and y in window pixels (twice the device's).
void queue_pen(unsigned msg, int x, int y);
void queue_char(int code);
void queue_vkey(int virtualKey);

// The screen bitmap now, as device pixels.
Screen screen_now();
