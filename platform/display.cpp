// The display: chosen once, SDL2 when it is built in, a display can be opened and
// PALM_HEADLESS is not 1; otherwise headless.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/internal.h"

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
};

}  // namespace

Display* display_headless() {
  static Headless h;
  return &h;
}

#ifndef PALM_HAVE_SDL2
Display* display_sdl() { return nullptr; }
#endif

Display* display_get() {
  static Display* d = [] {
    const char* env = getenv("PALM_HEADLESS");
    if (env && strcmp(env, "1") == 0) return display_headless();
    Display* sdl = display_sdl();
    return sdl ? sdl : display_headless();
  }();
  return d;
}
