// Web display: the window surface shown in the page's canvas (web/library.js), pointer and
// keys as input, and waits that sleep through Asyncify so that the browser keeps running.
#include <emscripten/emscripten.h>

#include <cstdio>
#include <vector>

#include "platform/internal.h"

extern "C" {
void palm_web_open(int width, int height, int scale);
void palm_web_scale(int scale);
int palm_web_shown();
void palm_web_present(const uint8_t* rgba);
int palm_web_take(int32_t* out);
int palm_web_ctrl();
void palm_web_screen(int* width, int* height);
int palm_web_wait(int ms);
void palm_web_message(const char* text, const char* caption);
}

namespace {

// A page that runs this long without a wait gives the browser a turn (to paint and take
// input), as a window system would preempt a busy program.
static constexpr double BUSY_TURN_MS = 16;

enum InputKind { INPUT_MOUSE = 1, INPUT_KEY = 2, INPUT_CLOSE = 3, INPUT_WHEEL = 4 };

struct Web : Display {
  HWND__* top = nullptr;
  std::vector<uint8_t> rgba;
  double lastTurn = 0;

  void* open(HWND__* window) override {
    if (top) return nullptr;  // one canvas, one window
    top = window;
    palm_web_open(window->surface.width, window->surface.height, window->scale);
    lastTurn = emscripten_get_now();
    return window;
  }

  void close(void* window) override {
    if (window == top) top = nullptr;
  }

  void poll() override {
    if (emscripten_get_now() - lastTurn >= BUSY_TURN_MS) wait(0);
    int32_t e[5];
    while (int kind = palm_web_take(e)) {
      if (!top) continue;
      if (kind == INPUT_MOUSE)
        input_mouse(top, static_cast<UINT>(e[0]), e[1], e[2], e[3] != 0);
      else if (kind == INPUT_KEY)
        input_key(top, static_cast<UINT>(e[0]), static_cast<WPARAM>(e[1]), e[2] != 0);
      else if (kind == INPUT_WHEEL)
        input_wheel(top, e[0] * WHEEL_DELTA);
      else if (kind == INPUT_CLOSE)
        input_close(top);
    }
  }

  // 0x00RRGGBB words become the canvas's R, G, B, A bytes.
  void present(HWND__* window) override {
    window->dirty = false;
    if (window != top) return;
    const Surface& s = window->surface;
    rgba.resize(s.pixels.size() * 4);
    uint8_t* p = rgba.data();
    for (uint32_t px : s.pixels) {
      *p++ = static_cast<uint8_t>(px >> 16);
      *p++ = static_cast<uint8_t>(px >> 8);
      *p++ = static_cast<uint8_t>(px);
      *p++ = 0xFF;
    }
    palm_web_present(rgba.data());
  }

  // Written to standard error as headless does, and shown on the page; never waits.
  bool messageBox(const char* text, const char* caption, UINT, HWND__*) override {
    fprintf(stderr, "%s: %s\n", caption, text);
    fflush(stderr);
    palm_web_message(text, caption);
    return true;
  }

  bool wait(DWORD ms) override {
    bool input = palm_web_wait(static_cast<int>(ms > 0x7FFFFFFF ? 0x7FFFFFFF : ms)) != 0;
    lastTurn = emscripten_get_now();
    return input;
  }

  void screenSize(int& width, int& height) override { palm_web_screen(&width, &height); }
  bool keyHeld(int vk) override { return vk == VK_CONTROL && palm_web_ctrl(); }

  void setPresentation(HWND__* window) override {
    if (window == top) palm_web_scale(window->scale);
  }

  int scale(HWND__* window) override { return window == top ? palm_web_shown() : 1; }
  bool placement(HWND__*, PlatformPlacement*) override { return false; }  // the page places it
};

}  // namespace

Display* display_web() {
  static Web web;
  return &web;
}
