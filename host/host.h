// The host: program entry, device window, event queue and drawing state shared by its parts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/win32.h"
#include "runtime/rt.h"
#include "threads/coop.h"

// What `--help` says of one program, beside what every program shares.
struct HostHelp {
  const char* about;     // one line: what the program shows
  const char* colour;    // what -color and -nocolor do in it
  bool frames;           // it draws in frames, so -fps applies
  const char* controls;  // its own controls, one "  what   does" line each
};

// What a program tells the host about itself.
struct HostApplication {
  const char* name;                  // main class: window class, window title, console title
  int colourByDefault;               // 1: "-nocolor" turns colour off; 0: "-color" turns it on
  const ProgramImage& (*program)();  // builds the class table
  void (*main)(Ref args);            // the main class's static main(String[])
  const HostHelp* help;              // null: only what every program shares
};

// Supplied by each program; the host's WinMain (or main) runs it.
extern const HostApplication host_application;

// Window geometry: the screen bitmap is one pixel larger than the screen area.
constexpr int HOST_SCREEN_SIZE = 320;
constexpr int HOST_CLIENT_WIDTH = 319;
constexpr int HOST_CLIENT_HEIGHT = 459;
constexpr int HOST_SILK_BUTTONS = 10;

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
// Frees the window's drawing objects and the draw region: when the window closes, and at the
// end of a run that did not close it (a failed start).
void host_free_drawing();
// Silk-screen button: control id of a label, -1 when there is none.
int host_button_id(const char* label);
// The label of the index-th silk-screen button in the window's order, null past the last;
// the label of the button with that control id, null for none.
const char* host_button_label(int index);
const char* host_button_label_of(WPARAM id);
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
// Frames the program has started (automatic refresh off), for frame-rate figures.
extern "C" uint32_t host_frame_count();
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

// Command line: the switches of every program, read once at start-up.
struct HostOptions {
  bool help = false, version = false;
  bool bad = false;  // an automation switch without a usable value (said on standard error)
  int scale = -1;    // -1 absent
  int fps = -1;
  std::string script, record;  // empty: absent
  long gremlins = -1;          // -1 absent
  uint64_t seed = 0;
  bool seeded = false;
  std::string searched;  // the words where -console, -color and -nocolor are searched
};
// Reads the words of the line; unknown words and bad values are named on standard error.
HostOptions host_parse_options(const HostApplication& app, const char* line);
// The help text (--help) and the version line (--version) of a program.
std::string host_help_text(const HostApplication& app);
std::string host_version_text(const HostApplication& app);
// Exit status when an automation switch or a -script cannot do what was asked.
constexpr int HOST_AUTOMATION_FAILED = 2;

// Automation: a script (-script or PALM_SCRIPT), gremlins and a recording, set up before the
// window opens (false: a -script or -record that cannot be used, said), run a step at a
// time from the main loop, and ended at teardown.
bool script_begin(const HostOptions& options);
void script_step();
void script_stop();
void script_cancel();  // as script_stop, but a recording is dropped
// Milliseconds until the script has something to do (0: now), INFINITE when it has ended.
DWORD script_due_in();
// HOST_AUTOMATION_FAILED after a -script failed or a recording could not be kept, else 0.
int script_status();
// A script read from a pipe or FIFO waits for its writer: true when the script has input
// (or its end) within ms; false at once for a script that waits on nothing to read.
bool script_waits_for_input();
bool script_input_ready(DWORD ms);
// The window procedure's input as the program gets it, for -record.
void script_note_input(UINT msg, WPARAM wp, LPARAM lp);

// Whether no thread took an event, drew or allocated in the last scheduler round. How long
// the threads ran is left out: on a busy machine that is the machine's doing, not theirs.
bool host_last_round_quiet();

// A file written beside its target and renamed over it only when complete. Each call but
// abandon answers a failure's reason ("not a regular file", strerror), empty on success.
struct HostFile {
  std::string target, scratch;
  int fd = -1;
  int uid = -1, gid = -1;
};
std::string host_file_begin(HostFile& f, const char* path);
bool host_file_write(HostFile& f, const void* data, size_t size);  // errno on failure
std::string host_file_commit(HostFile& f);
void host_file_abandon(HostFile& f);  // removes the scratch file, never the target

// Writes a 32-bit DIB (top-down, B G R x) as an RGB PNG file; false on failure, the reason
// in `why`.
bool png_write(const char* path, const uint32_t* pixels, int width, int height,
               std::string* why = nullptr);

// The screen bitmap as top-down 0x00RRGGBB pixels (through GetDIBits); false without one.
bool host_read_screen(uint32_t* pixels);
