// SDL2 display: a real window showing the window surface, mouse and keys as input, and
// modal message boxes. Presenting never waits for the display's refresh.
#include <SDL.h>

#include <cstdio>
#include <map>

#include "platform/internal.h"

namespace {

static constexpr Uint32 PRESENT_INTERVAL_MS = 15;

struct Sdl : Display {
  std::map<Uint32, HWND__*> windows;  // SDL window id -> top-level window
  Uint32 lastPresent = 0;

  void* open(HWND__* top) override {
    SDL_Window* w =
        SDL_CreateWindow(top->text.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                         top->surface.width, top->surface.height, SDL_WINDOW_SHOWN);
    if (!w) return nullptr;
    windows[SDL_GetWindowID(w)] = top;
    SDL_StartTextInput();
    return w;
  }

  void close(void* window) override {
    auto* w = static_cast<SDL_Window*>(window);
    windows.erase(SDL_GetWindowID(w));
    SDL_DestroyWindow(w);
  }

  HWND__* top_of(Uint32 id) {
    auto it = windows.find(id);
    return it == windows.end() ? nullptr : it->second;
  }

  static void key_down(HWND__* top, SDL_Keycode k) {
    switch (k) {
      case SDLK_LEFT:
        input_key(top, WM_KEYDOWN, VK_LEFT);
        return;
      case SDLK_UP:
        input_key(top, WM_KEYDOWN, VK_UP);
        return;
      case SDLK_RIGHT:
        input_key(top, WM_KEYDOWN, VK_RIGHT);
        return;
      case SDLK_DOWN:
        input_key(top, WM_KEYDOWN, VK_DOWN);
        return;
      // Keys that type a control character: the translation adds the character.
      case SDLK_RETURN:
      case SDLK_KP_ENTER:
        input_key(top, WM_KEYDOWN, VK_RETURN);
        return;
      case SDLK_ESCAPE:
        input_key(top, WM_KEYDOWN, VK_ESCAPE);
        return;
      case SDLK_BACKSPACE:
        input_key(top, WM_KEYDOWN, VK_BACK);
        return;
      case SDLK_TAB:
        input_key(top, WM_KEYDOWN, VK_TAB);
        return;
    }
    if (k >= SDLK_a && k <= SDLK_z)
      input_key(top, WM_KEYDOWN, static_cast<WPARAM>('A' + (k - SDLK_a)));
  }

  // Typed text as UTF-16 code units, one character message each.
  static void text_input(HWND__* top, const char* s) {
    const auto* p = reinterpret_cast<const unsigned char*>(s);
    while (*p) {
      uint32_t c = *p++;
      int more = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
      if (more) c &= 0x3F >> more;
      for (; more && (*p & 0xC0) == 0x80; more--) c = (c << 6) | (*p++ & 0x3F);
      if (c < 0x10000) {
        input_key(top, WM_CHAR, c);
      } else {
        c -= 0x10000;
        input_key(top, WM_CHAR, 0xD800 + (c >> 10));
        input_key(top, WM_CHAR, 0xDC00 + (c & 0x3FF));
      }
    }
  }

  void poll() override {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
      switch (e.type) {
        case SDL_QUIT:
          for (auto& [id, top] : windows) input_close(top);
          break;
        case SDL_WINDOWEVENT:
          if (HWND__* top = top_of(e.window.windowID)) {
            if (e.window.event == SDL_WINDOWEVENT_CLOSE) input_close(top);
            if (e.window.event == SDL_WINDOWEVENT_EXPOSED) top->dirty = true;
          }
          break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
          if (e.button.button != SDL_BUTTON_LEFT) break;
          if (HWND__* top = top_of(e.button.windowID))
            input_mouse(top, e.type == SDL_MOUSEBUTTONDOWN ? WM_LBUTTONDOWN : WM_LBUTTONUP,
                        e.button.x, e.button.y, e.type == SDL_MOUSEBUTTONDOWN);
          break;
        case SDL_MOUSEMOTION:
          if (HWND__* top = top_of(e.motion.windowID))
            input_mouse(top, WM_MOUSEMOVE, e.motion.x, e.motion.y,
                        (e.motion.state & SDL_BUTTON_LMASK) != 0);
          break;
        case SDL_KEYDOWN:
          if (HWND__* top = top_of(e.key.windowID)) key_down(top, e.key.keysym.sym);
          break;
        case SDL_TEXTINPUT:
          if (HWND__* top = top_of(e.text.windowID)) text_input(top, e.text.text);
          break;
      }
    }
  }

  void present(HWND__* top) override {
    Uint32 now = SDL_GetTicks();
    if (now - lastPresent < PRESENT_INTERVAL_MS) return;  // shown at the next chance
    lastPresent = now;
    top->dirty = false;
    auto* w = static_cast<SDL_Window*>(top->display);
    if (!w) return;
    SDL_Surface* target = SDL_GetWindowSurface(w);
    if (!target) return;
    SDL_Surface* src = SDL_CreateRGBSurfaceWithFormatFrom(
        top->surface.pixels.data(), top->surface.width, top->surface.height, 32,
        top->surface.width * 4, SDL_PIXELFORMAT_RGB888);
    if (!src) return;
    SDL_BlitSurface(src, nullptr, target, nullptr);
    SDL_FreeSurface(src);
    SDL_UpdateWindowSurface(w);
  }

  bool messageBox(const char* text, const char* caption, UINT type, HWND__* owner) override {
    fprintf(stderr, "%s: %s\n", caption, text);
    fflush(stderr);
    Uint32 flags = (type & 0xF0) == MB_ICONHAND          ? SDL_MESSAGEBOX_ERROR
                   : (type & 0xF0) == MB_ICONEXCLAMATION ? SDL_MESSAGEBOX_WARNING
                                                         : SDL_MESSAGEBOX_INFORMATION;
    SDL_Window* parent = owner ? static_cast<SDL_Window*>(owner->display) : nullptr;
    return SDL_ShowSimpleMessageBox(flags, caption, text, parent) == 0;
  }
};

}  // namespace

Display* display_sdl() {
  static Sdl* sdl = []() -> Sdl* {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return nullptr;
    if (SDL_GetNumVideoDisplays() < 1) {
      SDL_Quit();
      return nullptr;
    }
    return new Sdl;
  }();
  return sdl;
}
