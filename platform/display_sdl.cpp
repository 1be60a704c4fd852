// SDL2 display: a real window showing the window surface magnified by whole pixels through
// a plain framebuffer (no OpenGL), mouse, wheel and keys as input, the host's presentation
// keys, and modal message boxes. Presenting never waits for the display's refresh.
#include <SDL.h>
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "platform/internal.h"
#include "platform/win32.h"

#if defined(__SANITIZE_ADDRESS__)
// The message-bus library SDL loads keeps a buffer for the life of the process. Skipping it
// says nothing, so that standard error holds only what the program says.
extern "C" const char* __lsan_default_suppressions() { return "leak:libdbus-1.so\n"; }
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
#endif

namespace {

static constexpr Uint32 PRESENT_INTERVAL_MS = 15;
static constexpr int MAX_SCALE = 6;
static constexpr Uint32 BACKDROP = 0x303030;  // around the picture when the window is larger
// The frame a window manager adds, assumed until the window's own is known.
static constexpr int FRAME_ALLOWANCE_WIDTH = 16;
static constexpr int FRAME_ALLOWANCE_HEIGHT = 48;

// Video drivers that show nothing: taken only when the user names them (SDL_VIDEODRIVER).
static const char* const INVISIBLE_DRIVERS[] = {"offscreen", "dummy", "evdev"};

// Keys that reach the window procedure as key-down messages. Keys that type a control
// character (Enter, Escape, Backspace, Tab) get it from the translation; printable text
// comes as text input.
struct KeyMap {
  SDL_Keycode sym;
  WPARAM vk;
};
static const KeyMap KEYS[] = {
    {SDLK_LEFT, VK_LEFT},
    {SDLK_UP, VK_UP},
    {SDLK_RIGHT, VK_RIGHT},
    {SDLK_DOWN, VK_DOWN},
    {SDLK_RETURN, VK_RETURN},
    {SDLK_KP_ENTER, VK_RETURN},
    {SDLK_ESCAPE, VK_ESCAPE},
    {SDLK_BACKSPACE, VK_BACK},
    {SDLK_TAB, VK_TAB},
    {SDLK_F12, VK_F12},
    {SDLK_PRINTSCREEN, VK_SNAPSHOT},
    {SDLK_PAGEUP, VK_PRIOR},
    {SDLK_PAGEDOWN, VK_NEXT},
    {SDLK_HOME, VK_HOME},
    {SDLK_F1, VK_F1},
    {SDLK_APPLICATION, VK_APPS},  // the keyboard's Menu key
    {SDLK_MENU, VK_APPS},
};

static void say(const std::string& what) {
  fprintf(stderr, "%s: %s\n", program_invocation_short_name, what.c_str());
  fflush(stderr);
}

struct Shown {
  SDL_Window* window;
  HWND__* top;
  bool full = false;
  bool seen = false;            // shown or exposed at least once
  PlatformPlacement restore{};  // the framed window's place while full screen
};

// A window's frame, as the window manager reports it, or the allowance until it does.
struct Frame {
  int left, top, width, height;
};

static Frame frame_of(SDL_Window* w) {
  int top = 0, left = 0, bottom = 0, right = 0;
  if (w && SDL_GetWindowBordersSize(w, &top, &left, &bottom, &right) == 0 &&
      top + left + bottom + right > 0)
    return {left, top, left + right, top + bottom};
  return {0, 0, FRAME_ALLOWANCE_WIDTH, FRAME_ALLOWANCE_HEIGHT};
}

// The largest whole scale whose framed window fits the display's work area.
static int largest_fit(int display, int w, int h, const Frame& f) {
  SDL_Rect r;
  if (SDL_GetDisplayUsableBounds(std::max(display, 0), &r) != 0) return 1;
  return std::clamp(std::min((r.w - f.width) / w, (r.h - f.height) / h), 1, MAX_SCALE);
}

// The display holding a desktop point, -1 for none.
static int display_at(int x, int y) {
  for (int i = 0; i < SDL_GetNumVideoDisplays(); i++) {
    SDL_Rect r;
    if (SDL_GetDisplayBounds(i, &r) == 0 && x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h)
      return i;
  }
  return -1;
}

// Where the picture lies in the window: whole scale s, left and top offsets.
struct Layout {
  int s, x, y;
};

// The file that remembers where the last window of a program opened, and by whom.
static std::string last_window_file(const std::string& title) {
  const char* dir = getenv("XDG_RUNTIME_DIR");
  std::string name;
  for (char c : title) name += isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return std::string(dir && *dir ? dir : "/tmp") + "/palmhost-" + name + "-" +
         std::to_string(getuid()) + ".last";
}

struct Sdl : Display {
  std::map<Uint32, Shown> windows;  // SDL window id -> shown window
  Uint32 lastPresent = 0;
  bool swallowText = false;  // the text of a key the host took

  Shown* shown_of(HWND__* top) {
    for (auto& [id, w] : windows)
      if (w.top == top) return &w;
    return nullptr;
  }

  static Layout layout(SDL_Window* win, const Surface& s) {
    int W, H;
    SDL_GetWindowSize(win, &W, &H);
    int k = std::max(1, std::min(W / s.width, H / s.height));
    return {k, (W - k * s.width) / 2, (H - k * s.height) / 2};
  }

  // A new window of a program opens offset from its last one while that one still runs.
  static bool cascade(const std::string& title, int w, int h, int& x, int& y) {
    bool found = false;
    std::string path = last_window_file(title);
    if (FILE* f = fopen(path.c_str(), "r")) {
      long pid;
      int lx, ly;
      if (fscanf(f, "%ld %d %d", &pid, &lx, &ly) == 3 && pid > 0 && pid != getpid() &&
          kill(static_cast<pid_t>(pid), 0) == 0) {
        SDL_Rect r;
        found = true;
        x = lx + WINDOW_CASCADE;
        y = ly + WINDOW_CASCADE;
        if (SDL_GetDisplayUsableBounds(0, &r) == 0 && (x + w > r.x + r.w || y + h > r.y + r.h)) {
          x = r.x;
          y = r.y;
        }
      }
      fclose(f);
    }
    return found;
  }

  static void remember(const std::string& title, SDL_Window* w) {
    int x, y;
    SDL_GetWindowPosition(w, &x, &y);
    if (FILE* f = fopen(last_window_file(title).c_str(), "w")) {
      fprintf(f, "%ld %d %d\n", static_cast<long>(getpid()), x, y);
      fclose(f);
    }
  }

  // Where and how large a window opens: beside a running one of the same program, else
  // where the last one closed when its top middle lies on a screen, else centred on the
  // primary screen. An asked scale wins; a remembered one is held to what fits.
  void* open(HWND__* top) override {
    const Surface& s = top->surface;
    const PlatformPlacement& p = top->place;
    int k0 = p.scale > 0 ? p.scale : 1;
    int x = SDL_WINDOWPOS_CENTERED_DISPLAY(0), y = x, display = 0;
    bool placed = cascade(top->text, k0 * s.width, k0 * s.height, x, y);
    if (!placed && p.placed) {
      int on = display_at(p.x + k0 * s.width / 2, p.y + FRAME_ALLOWANCE_HEIGHT / 2);
      if (on >= 0) {
        x = p.x;
        y = p.y;
        display = on;
      }
    }
    int fit = largest_fit(display, s.width, s.height, frame_of(nullptr));
    int k = top->scale > 0 ? std::min(top->scale, MAX_SCALE)
            : p.scale > 0  ? std::min(p.scale, fit)
                           : fit;
    SDL_Window* w = SDL_CreateWindow(top->text.c_str(), x, y, k * s.width, k * s.height,
                                     SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE);
    if (!w) {
      say(std::string("no window can be opened (") + SDL_GetError() + "); running headless");
      return nullptr;
    }
    SDL_SetWindowMinimumSize(w, s.width, s.height);
    Shown& sh = windows[SDL_GetWindowID(w)] = Shown{w, top};
    remember(top->text, w);
    set_icon(w, top);
    SDL_StartTextInput();
    if (p.full) set_full(sh, true);
    return w;
  }

  // The framed window's top-left, which is where it opens again.
  static PlatformPlacement placement_now(SDL_Window* w, HWND__* top) {
    int x, y;
    SDL_GetWindowPosition(w, &x, &y);
    Frame f = frame_of(w);  // the allowance has no left or top: nothing is known there
    return {layout(w, top->surface).s, true, x - f.left, y - f.top, false};
  }

  bool placement(HWND__* top, PlatformPlacement* place) override {
    Shown* sh = shown_of(top);
    if (!sh) return false;
    *place = sh->full ? sh->restore : placement_now(sh->window, top);
    place->full = sh->full;
    return true;
  }

  void close(void* window) override {
    auto* w = static_cast<SDL_Window*>(window);
    windows.erase(SDL_GetWindowID(w));
    SDL_DestroyWindow(w);
  }

  static void set_icon(SDL_Window* w, HWND__* top) {
    if (top->icon.size() != 32 * 32) return;
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(top->icon.data(), 32, 32, 32, 32 * 4,
                                                           SDL_PIXELFORMAT_RGB888);
    if (!icon) return;
    SDL_SetWindowIcon(w, icon);
    SDL_FreeSurface(icon);
  }

  void setPresentation(HWND__* top) override {
    Shown* sh = shown_of(top);
    if (!sh) return;
    set_icon(sh->window, top);
    if (top->scale > 0 && !sh->full) resize(*sh, std::min(top->scale, MAX_SCALE));
  }

  void resize(Shown& sh, int k) {
    const Surface& s = sh.top->surface;
    SDL_SetWindowSize(sh.window, k * s.width, k * s.height);
    sh.top->dirty = true;
  }

  int scale(HWND__* top) override {
    Shown* sh = shown_of(top);
    return sh ? layout(sh->window, top->surface).s : 1;
  }

  Shown* find(Uint32 id) {
    auto it = windows.find(id);
    return it == windows.end() ? nullptr : &it->second;
  }

  static void set_full(Shown& sh, bool full) {
    if (full && !sh.full) sh.restore = placement_now(sh.window, sh.top);
    sh.full = full;
    SDL_SetWindowFullscreen(sh.window, full ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    sh.top->dirty = true;
  }

  // F11, Ctrl+Plus and Ctrl+Minus change the presentation only; true when taken. Ctrl+Plus
  // stops at the largest scale whose framed window fits the work area.
  bool presentation_key(Shown& sh, const SDL_Keysym& k) {
    bool ctrl = (k.mod & KMOD_CTRL) != 0;
    if (k.sym == SDLK_F11) {
      set_full(sh, !sh.full);
      return true;
    }
    bool plus = k.sym == SDLK_PLUS || k.sym == SDLK_EQUALS || k.sym == SDLK_KP_PLUS;
    bool minus = k.sym == SDLK_MINUS || k.sym == SDLK_KP_MINUS;
    if (!ctrl || !(plus || minus)) return false;
    if (!sh.full) {
      const Surface& s = sh.top->surface;
      int k0 = layout(sh.window, s).s;
      int fit =
          largest_fit(SDL_GetWindowDisplayIndex(sh.window), s.width, s.height, frame_of(sh.window));
      resize(sh, plus ? std::max(k0, std::min(k0 + 1, fit)) : std::max(k0 - 1, 1));
    }
    return true;
  }

  void key_down(Shown& sh, const SDL_Keysym& key) {
    HWND__* top = sh.top;
    if (presentation_key(sh, key)) {
      swallowText = true;
      return;
    }
    bool ctrl = (key.mod & KMOD_CTRL) != 0;
    for (const KeyMap& k : KEYS)
      if (k.sym == key.sym) {
        input_key(top, WM_KEYDOWN, k.vk, ctrl);
        return;
      }
    if (key.sym >= SDLK_a && key.sym <= SDLK_z) {
      if (ctrl) swallowText = true;
      input_key(top, WM_KEYDOWN, static_cast<WPARAM>('A' + (key.sym - SDLK_a)), ctrl);
    }
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
        input_key(top, WM_CHAR, c, false);
      } else {
        c -= 0x10000;
        input_key(top, WM_CHAR, 0xD800 + (c >> 10), false);
        input_key(top, WM_CHAR, 0xDC00 + (c & 0x3FF), false);
      }
    }
  }

  // A window point in the picture's own pixels (outside the picture gives points outside
  // the client area).
  static void to_client(Shown& sh, int& x, int& y) {
    Layout l = layout(sh.window, sh.top->surface);
    auto down = [](int v, int k) { return v >= 0 ? v / k : -((-v + k - 1) / k); };
    x = down(x - l.x, l.s);
    y = down(y - l.y, l.s);
  }

  void poll() override {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
      switch (e.type) {
        case SDL_QUIT:  // never the close box: SDL is told not to quit on the last close
          say("asked to quit (an interrupt, a termination signal or the session's end); closing");
          for (auto& [id, w] : windows) input_close(w.top);
          break;
        case SDL_WINDOWEVENT:
          if (Shown* sh = find(e.window.windowID)) {
            Uint8 what = e.window.event;
            if (what == SDL_WINDOWEVENT_CLOSE) {
              if (!sh->seen) say("the window was closed before it was shown; closing");
              input_close(sh->top);
            }
            if (what == SDL_WINDOWEVENT_SHOWN || what == SDL_WINDOWEVENT_EXPOSED) sh->seen = true;
            if (what == SDL_WINDOWEVENT_EXPOSED || what == SDL_WINDOWEVENT_SIZE_CHANGED)
              sh->top->dirty = true;
          }
          break;
        case SDL_MOUSEWHEEL:
          if (Shown* sh = find(e.wheel.windowID)) {
            float notches =
                e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.preciseY : e.wheel.preciseY;
            int delta = static_cast<int>(std::lround(notches * WHEEL_DELTA));
            if (delta) input_wheel(sh->top, delta);
          }
          break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
          if (e.button.button != SDL_BUTTON_LEFT) break;
          if (Shown* sh = find(e.button.windowID)) {
            int x = e.button.x, y = e.button.y;
            to_client(*sh, x, y);
            input_mouse(sh->top, e.type == SDL_MOUSEBUTTONDOWN ? WM_LBUTTONDOWN : WM_LBUTTONUP, x,
                        y, e.type == SDL_MOUSEBUTTONDOWN);
          }
          break;
        case SDL_MOUSEMOTION:
          if (Shown* sh = find(e.motion.windowID)) {
            int x = e.motion.x, y = e.motion.y;
            to_client(*sh, x, y);
            input_mouse(sh->top, WM_MOUSEMOVE, x, y, (e.motion.state & SDL_BUTTON_LMASK) != 0);
          }
          break;
        case SDL_KEYDOWN:
          swallowText = false;
          if (Shown* sh = find(e.key.windowID)) key_down(*sh, e.key.keysym);
          break;
        case SDL_TEXTINPUT:
          if (swallowText) break;
          if (Shown* sh = find(e.text.windowID)) text_input(sh->top, e.text.text);
          break;
      }
    }
  }

  // Each picture pixel becomes a k x k block; the rest of the window is backdrop.
  static void magnify(const Surface& s, SDL_Surface* t, const Layout& l) {
    auto* base = static_cast<uint8_t*>(t->pixels);
    SDL_Rect all = {0, 0, t->w, t->h};
    SDL_Rect pic = {l.x, l.y, l.s * s.width, l.s * s.height};
    if (pic.x > 0 || pic.y > 0 || pic.w < t->w || pic.h < t->h) {
      SDL_Rect bands[4] = {{0, 0, t->w, std::max(pic.y, 0)},
                           {0, pic.y + pic.h, t->w, t->h - pic.y - pic.h},
                           {0, pic.y, std::max(pic.x, 0), pic.h},
                           {pic.x + pic.w, pic.y, t->w - pic.x - pic.w, pic.h}};
      for (SDL_Rect& b : bands)
        if (b.w > 0 && b.h > 0) SDL_FillRect(t, &b, BACKDROP);
    }
    for (int y = 0; y < s.height; y++) {
      int ty = l.y + y * l.s;
      if (ty < 0 || ty + l.s > all.h) continue;
      auto* row = reinterpret_cast<uint32_t*>(base + static_cast<size_t>(ty) * t->pitch);
      const uint32_t* src = &s.pixels[static_cast<size_t>(y) * s.width];
      int tx = l.x;
      if (l.s == 1 && tx >= 0 && tx + s.width <= t->w) {
        std::copy(src, src + s.width, row + tx);
      } else {
        for (int x = 0; x < s.width; x++, tx += l.s)
          for (int i = 0; i < l.s; i++)
            if (tx + i >= 0 && tx + i < t->w) row[tx + i] = src[x];
      }
      for (int i = 1; i < l.s; i++)
        memcpy(base + static_cast<size_t>(ty + i) * t->pitch, row, static_cast<size_t>(t->pitch));
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
    if (!target) {
      static bool said;
      if (!said) say(std::string("the window cannot be drawn in (") + SDL_GetError() + ")");
      said = true;
      return;
    }
    Layout l = layout(w, top->surface);
    if (target->format->format == SDL_PIXELFORMAT_RGB888 && !SDL_MUSTLOCK(target)) {
      magnify(top->surface, target, l);
    } else {  // another pixel format: let SDL convert and stretch (nearest pixel)
      SDL_Surface* src = SDL_CreateRGBSurfaceWithFormatFrom(
          top->surface.pixels.data(), top->surface.width, top->surface.height, 32,
          top->surface.width * 4, SDL_PIXELFORMAT_RGB888);
      if (!src) return;
      SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0x30, 0x30, 0x30));
      SDL_Rect to = {l.x, l.y, l.s * top->surface.width, l.s * top->surface.height};
      SDL_BlitScaled(src, nullptr, target, &to);
      SDL_FreeSurface(src);
    }
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

  bool wait(DWORD ms) override {
    return SDL_WaitEventTimeout(nullptr, static_cast<int>(std::min<DWORD>(ms, 1 << 30))) == 1;
  }

  void screenSize(int& width, int& height) override {
    SDL_Rect r{};
    SDL_GetDisplayBounds(0, &r);
    width = r.w;
    height = r.h;
  }

  bool keyHeld(int vk) override { return vk == VK_CONTROL && (SDL_GetModState() & KMOD_CTRL); }
};

static bool invisible(const char* driver) {
  for (const char* d : INVISIBLE_DRIVERS)
    if (driver && strcmp(driver, d) == 0) return true;
  return false;
}

// Every driver that shows a window, in SDL's order of preference.
static std::string visible_drivers() {
  std::string list;
  for (int i = 0; i < SDL_GetNumVideoDrivers(); i++) {
    const char* d = SDL_GetVideoDriver(i);
    if (!d || invisible(d)) continue;
    if (!list.empty()) list += ',';
    list += d;
  }
  return list;
}

// Starts SDL's video with standard error silenced: the libraries it probes print their own
// complaints (a Wayland library about XDG_RUNTIME_DIR, for one), and the reason is ours to say.
static int init_quietly() {
  fflush(stderr);
  int saved = dup(2);
  int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (saved >= 0 && null >= 0) dup2(null, 2);
  if (null >= 0) close(null);
  int rc = SDL_Init(SDL_INIT_VIDEO);
  fflush(stderr);
  if (saved >= 0) {
    dup2(saved, 2);
    close(saved);
  }
  return rc;
}

static std::string why_no_display() {
  const char* x = getenv("DISPLAY");
  const char* wayland = getenv("WAYLAND_DISPLAY");
  if (x && *x) return std::string("the display \"") + x + "\" cannot be opened";
  if (wayland && *wayland) return std::string("the display \"") + wayland + "\" cannot be opened";
  return "DISPLAY is not set";
}

}  // namespace

// A plain framebuffer: whole-pixel magnification needs nothing more, and a machine without
// a graphics card would otherwise load a software OpenGL stack for the window surface.
// SDL would fall back to a driver that shows nothing; that counts as no display unless the
// user named it.
Display* display_sdl(std::string* why) {
  static std::string failure;
  static Sdl* sdl = []() -> Sdl* {
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    const char* named = getenv("SDL_VIDEODRIVER");
    bool asked = named && *named;
    if (!asked) {
      std::string drivers = visible_drivers();
      if (drivers.empty()) {
        failure = "no video driver that shows a window";
        return nullptr;
      }
      SDL_SetHint(SDL_HINT_VIDEODRIVER, drivers.c_str());
    }
    if (init_quietly() != 0) {
      failure = asked ? std::string("SDL_VIDEODRIVER=") + named + ": " + SDL_GetError()
                      : why_no_display();
      return nullptr;
    }
    if (!asked && invisible(SDL_GetCurrentVideoDriver())) {
      failure = why_no_display();
      SDL_Quit();
      return nullptr;
    }
    if (SDL_GetNumVideoDisplays() < 1) {
      failure = "no screen";
      SDL_Quit();
      return nullptr;
    }
    return new Sdl;
  }();
  if (!sdl) *why = failure;
  return sdl;
}
