// The display: chosen once, SDL2 when it is built in, a display can be opened and
// PALM_HEADLESS is not 1; otherwise headless.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/internal.h"
#include "platform/kernel32.h"

namespace {

// Headless: nothing is shown; message boxes are answered at once, their caption and text
// written as one line to standard error.
struct Headless : Display {
  void* open(HWND__*) override { return nullptr; }
  void close(void*) override {}
  void poll() override {}
  void present(HWND__* top) override { top->dirty = false; }
  bool messageBox(const char* text, const char* caption, UINT, HWND__*) override {
    fprintf(stderr, "%s: %s\n", caption, text);
    fflush(stderr);
    return true;
  }
  bool wait(DWORD ms) override {
    Sleep(ms);
    return false;
  }
  void screenSize(int& width, int& height) override { width = height = 0; }
  bool keyHeld(int) override { return false; }
  void setPresentation(HWND__*) override {}
  int scale(HWND__*) override { return 1; }
  bool placement(HWND__*, PlatformPlacement*) override { return false; }
};

}  // namespace

Display* display_headless() {
  static Headless h;
  return &h;
}

#ifndef PALM_HAVE_SDL2
Display* display_sdl(std::string* why) {
  *why = "built without a window display";
  return nullptr;
}
#endif

// Falling back without being asked to is said once, on standard error.
Display* display_get() {
  static Display* d = [] {
    const char* env = getenv("PALM_HEADLESS");
    if (env && strcmp(env, "1") == 0) return display_headless();
#ifdef __EMSCRIPTEN__
    return display_web();  // the page's canvas
#endif
    std::string why;
    if (Display* sdl = display_sdl(&why)) return sdl;
    fprintf(stderr, "%s: no window can be opened (%s); running headless\n",
            program_invocation_short_name, why.c_str());
    fflush(stderr);
    return display_headless();
  }();
  return d;
}
