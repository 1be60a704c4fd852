// The Win32 subset the host is written against: the real one on Windows, our stand-in
// elsewhere (window and messages, drawing, console and time).
#pragma once

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include "platform/gdi32.h"
#include "platform/kernel32.h"
#include "platform/user32.h"
#endif

// A program's next window opens this far right and down from its last one while that one
// runs: the host places it so on Windows; our stand-in's display does it itself.
constexpr int WINDOW_CASCADE = 32;
