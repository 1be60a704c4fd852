// Test hooks of the stand-in: fresh state, injected failures, input as a user gives it,
// and what went to message boxes and the console.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32.h"

enum PlatformFault {
  PF_REGISTER_CLASS,  // RegisterClassA fails
  PF_CREATE_WINDOW,   // CreateWindowExA fails
  PF_ALLOC_CONSOLE,   // AllocConsole fails
  PF_STD_HANDLE,      // GetStdHandle gives INVALID_HANDLE_VALUE
  PF_COUNT
};

// Forgets every class, window, message, capture, console and injected failure.
void platform_reset();
// The nth call from now of that kind fails (1 = the next one).
void platform_fail(PlatformFault fault, int nth = 1);

// Mouse and keyboard input routed as the display routes it (capture, child windows, focus);
// x and y are client coordinates of the top-level window.
void platform_mouse(HWND top, UINT msg, int x, int y, bool buttonHeld);
void platform_key(HWND top, UINT msg, WPARAM code);

// "caption: text" of every message box shown since the reset.
const std::vector<std::string>& platform_message_boxes();

// While set, console output is appended here instead of going to standard output.
void platform_capture_console(std::string* sink);
const std::string& platform_console_title();

// Fixes the system clock at this many milliseconds after 1970-01-01 UTC; a negative value
// returns to the real clock.
void platform_set_clock(int64_t msSince1970);
