// The host: program entry, device window, event queue and drawing state shared by its parts.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/win32.h"
#include "runtime/rt.h"
#include "threads/coop.h"

// What a program tells the host about itself.
struct HostApplication {
  const char* name;                  // main class: window class, window title, console title
  int colourByDefault;               // 1: "-nocolor" turns colour off; 0: "-color" turns it on
  const ProgramImage& (*program)();  // builds the class table
  void (*main)(Ref args);            // the main class's static main(String[])
};

// Supplied by each program; the host's WinMain (or main) runs it.
extern const HostApplication host_application;

// Window geometry: the screen bitmap is one pixel larger than the screen area.
constexpr int HOST_SCREEN_SIZE = 320;
constexpr int HOST_CLIENT_WIDTH = 319;
constexpr int HOST_CLIENT_HEIGHT = 459;

struct HostState {
  // Start-up
  HWND window;
  int console;  // AllocConsole's result when the console switch was given
  int colour;   // 1 colour, 0 monochrome
  const char* appName;
  // Device window
  RECT windowRect;
  RECT screenArea;
  HBITMAP screen;
  HBITMAP offscreen;
  HPEN blackPen;
  HPEN greyPen;
  HFONT font;
  // Drawing
  HRGN drawRegion;
  int autoRefresh;
  // Clock
  int64_t epoch;
  // Event queue
  int32_t* queue;
  int32_t capacity;
  int32_t count;
  int32_t systemKeys;
  Ref eventOwner;
  // Presentation and pacing (never seen by the program)
  int scale;      // -scale N; 0 = the largest that fits the screen
  int fps;        // frames a second at most; 0 = no limit
  int idleWait;   // 1: an idle round waits in the operating system
  uint32_t work;  // counts what rounds do: events taken, drawing, messages, script steps
  // Seams for failure tests; the real allocator and thread creation otherwise.
  void* (*alloc)(size_t);
  ThreadRecord* (*createThread)(void (*entry)(void*), void* arg);
};
extern HostState host;

// The body of WinMain: start-up, main loop, teardown; returns the exit status.
int host_main(const HostApplication& app, HINSTANCE instance, HINSTANCE previous,
              const char* commandLine, int show);

// Device window (registration, creation and its window procedure).
BOOL host_register_class(HINSTANCE instance);
int host_create_window(HINSTANCE instance, int show);
LRESULT CALLBACK host_window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
// The device window's place between runs, per program, in the user's settings folder
// ($XDG_CONFIG_HOME or ~/.config on Linux, the application-data folder on Windows):
// the scale, the framed window's top-left on the desktop, and full screen.
struct HostPlacement {
  int scale;
  int x, y;
  bool full;
};
bool host_load_placement(HostPlacement* place);  // false when nothing usable is kept
void host_save_placement(const HostPlacement& place);
// Silk-screen button: control id of a label, -1 when there is none.
int host_button_id(const char* label);
// Key code a silk-screen button queues (by control id), 0 for no button.
int host_button_key(WPARAM id);

// Event subsystem.
int evt_start();
void evt_stop();
int evt_enqueue(UINT msg, WPARAM wp, LPARAM lp);

// Wall-clock pacing: the wait after an idle scheduler round, and the frame limit at the
// start of a frame (automatic refresh switched off).
void host_after_round();
void host_frame_start();
inline void host_note_work() { host.work++; }

// F12 / Print: the screen as a time-stamped PNG in the current folder.
void host_save_screenshot();
// The whole client area (screen and silk-screen strip) at scale 1, 0x00RRGGBB top-down;
// false without a window.
bool host_read_window(uint32_t* pixels);
#ifdef _WIN32
// The client area at scale 1 drawn into mem (a 319 x 459 bitmap selected, compatible with dc).
bool host_compose_window(HDC dc, HDC mem);
// A point in window units at scale 1 as client pixels at the scale shown.
LPARAM host_client_point(int x, int y);
#endif
// Repaints a rectangle of the window, given at scale 1, now.
void host_invalidate(RECT r);

// Automation (PALM_SCRIPT): load the script, and run it a step from the main loop.
void script_start(const char* path);
void script_step();
void script_stop();
// Milliseconds until the script has something to do (0: now), INFINITE when it has ended.
DWORD script_due_in();

// Writes a 32-bit DIB (top-down, B G R x) as an RGB PNG file; false on failure.
bool png_write(const char* path, const uint32_t* pixels, int width, int height);

// The screen bitmap as top-down 0x00RRGGBB pixels (through GetDIBits); false without one.
bool host_read_screen(uint32_t* pixels);
