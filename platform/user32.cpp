// Window and messages: classes, windows, push buttons, the message queue, painting,
// mouse capture, focus and message boxes.
#include "platform/user32.h"

#include <algorithm>
#include <cstdio>
#include <deque>
#include <string>
#include <vector>

#include "platform/internal.h"
#include "platform/kernel32.h"
#include "platform/testing.h"

// Frame that AdjustWindowRect adds around a client area with a caption; CreateWindowExA
// takes it off again, so the client area is exactly what was asked for.
static constexpr RECT FRAME = {3, 26, 3, 3};

struct WindowClass {
  std::string name;
  WNDPROC proc;
  HBRUSH background;
};

static std::vector<WindowClass> g_classes;
// Kept until exit, destroyed ones too: a stale handle stays safe to test.
static struct WindowList : std::vector<HWND__*> {
  ~WindowList() {
    for (HWND__* w : *this) delete w;
  }
} g_windows;
// A queued message and whether Ctrl was held when it was made: GetKeyState answers for the
// message being handled, as Windows does, not for the keyboard of the moment.
struct Queued {
  MSG msg;
  bool ctrl;
};
static std::deque<Queued> g_queue;
static bool g_ctrl;  // Ctrl as of the message last taken off the queue
static bool g_quit;
static int g_quit_code;
static HWND__* g_capture;
static HWND__* g_focus;
static int g_fail[PF_COUNT];
static std::vector<std::string> g_boxes;

bool platform_should_fail(PlatformFault f) {
  if (g_fail[f] <= 0) return false;
  return --g_fail[f] == 0;
}

void platform_fail(PlatformFault fault, int nth) { g_fail[fault] = nth; }
const std::vector<std::string>& platform_message_boxes() { return g_boxes; }

void platform_console_reset();

void platform_reset() {
  for (HWND__* w : g_windows)
    if (!w->destroyed && w->display) display_get()->close(w->display);
  for (HWND__* w : g_windows) w->destroyed = true;
  g_classes.clear();
  g_queue.clear();
  g_quit = false;
  g_ctrl = false;
  g_capture = g_focus = nullptr;
  for (int& f : g_fail) f = 0;
  g_boxes.clear();
  platform_console_reset();
}

static bool alive(HWND__* w) {
  return w && std::find(g_windows.begin(), g_windows.end(), w) != g_windows.end() && !w->destroyed;
}

static HWND__* top_of(HWND__* w) {
  while (w && w->parent) w = w->parent;
  return w;
}

/* ---------------------------------------------------------------------------
 * Classes and windows
 * ------------------------------------------------------------------------- */

static const WindowClass* find_class(const char* name) {
  for (const WindowClass& c : g_classes)
    if (c.name == name) return &c;
  return nullptr;
}

WORD RegisterClassA(const WNDCLASSA* wc) {
  if (!wc || !wc->lpszClassName || !wc->lpfnWndProc) return 0;
  if (platform_should_fail(PF_REGISTER_CLASS)) return 0;
  if (find_class(wc->lpszClassName)) return 0;  // already registered
  g_classes.push_back({wc->lpszClassName, wc->lpfnWndProc, wc->hbrBackground});
  return static_cast<WORD>(0xC000 + g_classes.size());
}

BOOL AdjustWindowRect(LPRECT rect, DWORD style, BOOL) {
  if (!rect) return FALSE;
  if (style & WS_CAPTION) {
    rect->left -= FRAME.left;
    rect->top -= FRAME.top;
    rect->right += FRAME.right;
    rect->bottom += FRAME.bottom;
  }
  return TRUE;
}

static LRESULT CALLBACK button_proc(HWND, UINT, WPARAM, LPARAM);

HWND CreateWindowExA(DWORD, LPCSTR className, LPCSTR title, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu, HINSTANCE, LPVOID) {
  if (!className || platform_should_fail(PF_CREATE_WINDOW)) return nullptr;
  bool button = std::string(className) == "BUTTON";
  const WindowClass* cls = button ? nullptr : find_class(className);
  if (!button && !cls) return nullptr;
  if ((style & WS_CHILD) && !alive(parent)) return nullptr;
  auto* w = new HWND__{};
  w->className = className;
  w->text = title ? title : "";
  w->proc = button ? button_proc : cls->proc;
  w->style = style;
  w->parent = (style & WS_CHILD) ? parent : nullptr;
  w->id = static_cast<int>(reinterpret_cast<intptr_t>(menu));
  if (w->parent) {
    w->rect = {x, y, x + width, y + height};
  } else {
    int cw = width, ch = height;
    if (style & WS_CAPTION) {
      cw -= FRAME.left + FRAME.right;
      ch -= FRAME.top + FRAME.bottom;
    }
    w->rect = {x, y, x + std::max(cw, 1), y + std::max(ch, 1)};
    w->surface.resize(std::max(cw, 1), std::max(ch, 1));
    uint32_t bg = cls->background ? pixel_of(cls->background->color) : 0xFFFFFF;
    std::fill(w->surface.pixels.begin(), w->surface.pixels.end(), bg);
  }
  g_windows.push_back(w);
  if (w->parent) w->parent->children.push_back(w);
  if (w->proc(w, WM_CREATE, 0, 0) == -1) {
    DestroyWindow(w);
    return nullptr;
  }
  if (button && (style & WS_VISIBLE)) draw_button(w);
  return w;
}

BOOL ShowWindow(HWND hwnd, int show) {
  if (!alive(hwnd)) return FALSE;
  bool was = (hwnd->style & WS_VISIBLE) != 0;
  if (show == SW_HIDE) {
    hwnd->style &= ~static_cast<DWORD>(WS_VISIBLE);
    return was;
  }
  hwnd->style |= WS_VISIBLE;
  if (!hwnd->parent) {
    if (!hwnd->display) hwnd->display = display_get()->open(hwnd);
    InvalidateRect(hwnd, nullptr, TRUE);
  }
  return was;
}

BOOL IsWindow(HWND hwnd) { return alive(hwnd); }

BOOL DestroyWindow(HWND hwnd) {
  if (!alive(hwnd)) return FALSE;
  hwnd->proc(hwnd, WM_DESTROY, 0, 0);
  for (HWND__* c : hwnd->children) DestroyWindow(c);
  hwnd->destroyed = true;
  if (g_capture == hwnd) g_capture = nullptr;
  if (g_focus == hwnd) g_focus = nullptr;
  if (hwnd->display) {
    display_get()->close(hwnd->display);
    hwnd->display = nullptr;
  }
  return TRUE;
}

HWND SetFocus(HWND hwnd) {
  HWND__* old = g_focus;
  if (hwnd && !alive(hwnd)) return nullptr;
  g_focus = hwnd;
  return old;
}

BOOL SetForegroundWindow(HWND hwnd) { return alive(hwnd); }

HWND GetDlgItem(HWND parent, int id) {
  if (!alive(parent)) return nullptr;
  for (HWND__* c : parent->children)
    if (c->id == id && !c->destroyed) return c;
  return nullptr;
}

HCURSOR LoadCursorA(HINSTANCE, LPCSTR) {
  static int arrow;
  return reinterpret_cast<HCURSOR>(&arrow);
}

LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM, LPARAM) {
  switch (msg) {
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps{};
      BeginPaint(hwnd, &ps);
      EndPaint(hwnd, &ps);
      return 0;
    }
  }
  return 0;
}

/* ---------------------------------------------------------------------------
 * Push buttons
 * ------------------------------------------------------------------------- */

void draw_button(HWND__* b) {
  HWND__* top = top_of(b);
  if (!top || top->destroyed) return;
  Surface* s = &top->surface;
  RECT r = b->rect;
  RECT clip = {std::max<LONG>(r.left, 0), std::max<LONG>(r.top, 0),
               std::min<LONG>(r.right, s->width), std::min<LONG>(r.bottom, s->height)};
  uint32_t face = b->pressed ? 0x808080 : 0xD4D0C8, edge = 0x000000;
  for (int y = clip.top; y < clip.bottom; y++)
    for (int x = clip.left; x < clip.right; x++) {
      bool border = x == r.left || y == r.top || x == r.right - 1 || y == r.bottom - 1;
      s->pixels[static_cast<size_t>(y) * s->width + x] = border ? edge : face;
    }
  std::u16string text(b->text.begin(), b->text.end());
  SIZE size;
  HDC dc = CreateCompatibleDC(nullptr);
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  DeleteDC(dc);
  int tx = r.left + (r.right - r.left - size.cx) / 2;
  int ty = r.top + (r.bottom - r.top - size.cy) / 2;
  draw_text_run(s, clip, tx, ty, text.c_str(), static_cast<int>(text.size()), 0x000000);
  top->dirty = true;
}

static bool inside(HWND__* w, LPARAM lp) {
  int x = static_cast<short>(LOWORD(lp)), y = static_cast<short>(HIWORD(lp));
  return x >= 0 && y >= 0 && x < w->rect.right - w->rect.left && y < w->rect.bottom - w->rect.top;
}

// A plain push button: press captures, release inside sends the click to the parent.
static LRESULT CALLBACK button_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_LBUTTONDOWN:
      SetCapture(hwnd);
      SetFocus(hwnd);
      hwnd->pressed = true;
      draw_button(hwnd);
      return 0;
    case WM_MOUSEMOVE:
      if (g_capture == hwnd && hwnd->pressed != inside(hwnd, lp)) {
        hwnd->pressed = inside(hwnd, lp);
        draw_button(hwnd);
      }
      return 0;
    case WM_LBUTTONUP: {
      bool click = g_capture == hwnd && inside(hwnd, lp);
      if (g_capture == hwnd) ReleaseCapture();
      hwnd->pressed = false;
      draw_button(hwnd);
      if (click && alive(hwnd->parent))
        SendMessageA(hwnd->parent, WM_COMMAND, MAKEWPARAM(hwnd->id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(hwnd));
      return 0;
    }
    case WM_SETFONT:
      if (lp) draw_button(hwnd);
      return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

/* ---------------------------------------------------------------------------
 * Messages
 * ------------------------------------------------------------------------- */

static BOOL post(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, bool ctrl) {
  if (hwnd && !alive(hwnd)) return FALSE;
  g_queue.push_back({MSG{hwnd, msg, wp, lp, GetTickCount(), {0, 0}}, ctrl});
  return TRUE;
}

BOOL PostMessageA(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  return post(hwnd, msg, wp, lp, display_get()->keyHeld(VK_CONTROL));
}

LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (!alive(hwnd)) return 0;
  return hwnd->proc(hwnd, msg, wp, lp);
}

void PostQuitMessage(int code) {
  g_quit = true;
  g_quit_code = code;
}

// Posted and input messages first, then the quit message, then painting of invalid windows.
BOOL PeekMessageA(LPMSG msg, HWND, UINT, UINT, UINT remove) {
  if (!msg) return FALSE;
  display_get()->poll();
  for (HWND__* w : g_windows)
    if (!w->parent && !w->destroyed && w->dirty) display_get()->present(w);
  if (!g_queue.empty()) {
    *msg = g_queue.front().msg;
    if (remove & PM_REMOVE) {
      g_ctrl = g_queue.front().ctrl;
      g_queue.pop_front();
    }
    return TRUE;
  }
  if (g_quit) {
    *msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(g_quit_code), 0, GetTickCount(), {0, 0}};
    if (remove & PM_REMOVE) g_quit = false;
    return TRUE;
  }
  for (HWND__* w : g_windows)
    if (!w->parent && !w->destroyed && w->invalid) {
      *msg = MSG{w, WM_PAINT, 0, 0, GetTickCount(), {0, 0}};
      return TRUE;  // stays until painted
    }
  return FALSE;
}

// Keys that type a control character post it after their key-down message; printable
// characters come from the display as character messages of their own.
BOOL TranslateMessage(const MSG* msg) {
  if (!msg || msg->message != WM_KEYDOWN) return FALSE;
  switch (msg->wParam) {
    case VK_BACK:
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
      g_queue.push_front(
          {MSG{msg->hwnd, WM_CHAR, msg->wParam, msg->lParam, msg->time, msg->pt}, g_ctrl});
      return TRUE;
  }
  return FALSE;
}

LRESULT DispatchMessageA(const MSG* msg) {
  if (!msg || !alive(msg->hwnd)) return 0;
  return msg->hwnd->proc(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

/* ---------------------------------------------------------------------------
 * Painting
 * ------------------------------------------------------------------------- */

HDC GetDC(HWND hwnd) {
  if (hwnd && !alive(hwnd)) return nullptr;
  return hwnd ? platform_window_dc(hwnd) : CreateCompatibleDC(nullptr);
}

int ReleaseDC(HWND hwnd, HDC hdc) {
  if (!hdc) return 0;
  if (alive(hwnd)) top_of(hwnd)->dirty = true;
  if (hdc->window)
    platform_free_dc(hdc);
  else
    DeleteDC(hdc);
  return 1;
}

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL) {
  if (!alive(hwnd)) return FALSE;
  HWND__* w = top_of(hwnd);
  RECT r = rect ? *rect : RECT{0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};
  if (r.left >= r.right || r.top >= r.bottom) return TRUE;
  if (!w->invalid) {
    w->update = r;
  } else {
    w->update.left = std::min(w->update.left, r.left);
    w->update.top = std::min(w->update.top, r.top);
    w->update.right = std::max(w->update.right, r.right);
    w->update.bottom = std::max(w->update.bottom, r.bottom);
  }
  w->invalid = true;
  return TRUE;
}

BOOL UpdateWindow(HWND hwnd) {
  if (!alive(hwnd)) return FALSE;
  if (top_of(hwnd)->invalid) SendMessageA(top_of(hwnd), WM_PAINT, 0, 0);
  return TRUE;
}

// The paint context is clipped to the invalid area, which painting then validates.
HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT ps) {
  if (ps) *ps = PAINTSTRUCT{};
  if (!alive(hwnd) || !ps) return nullptr;
  HWND__* w = top_of(hwnd);
  *ps = PAINTSTRUCT{};
  ps->rcPaint = w->invalid ? w->update : RECT{0, 0, 0, 0};
  w->invalid = false;
  HDC dc = platform_window_dc(w);
  dc->clipped = true;
  dc->clip = ps->rcPaint;
  ps->hdc = dc;
  return dc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps) {
  if (!ps || !ps->hdc) return FALSE;
  platform_free_dc(ps->hdc);
  if (alive(hwnd)) top_of(hwnd)->dirty = true;
  return TRUE;
}

/* ---------------------------------------------------------------------------
 * Input
 * ------------------------------------------------------------------------- */

HWND SetCapture(HWND hwnd) {
  HWND__* old = g_capture;
  g_capture = alive(hwnd) ? hwnd : nullptr;
  return old;
}

BOOL ReleaseCapture() {
  g_capture = nullptr;
  return TRUE;
}

HWND GetCapture() { return g_capture; }

BOOL PtInRect(const RECT* r, POINT pt) {
  return r && pt.x >= r->left && pt.x < r->right && pt.y >= r->top && pt.y < r->bottom;
}

// The capturing window gets all mouse input; otherwise the visible child under the point.
void input_mouse(HWND__* top, UINT msg, int x, int y, bool held) {
  if (!alive(top)) return;
  HWND__* target = top;
  if (g_capture && top_of(g_capture) == top) {
    target = g_capture;
  } else {
    for (HWND__* c : top->children)
      if (!c->destroyed && (c->style & WS_VISIBLE) && x >= c->rect.left && x < c->rect.right &&
          y >= c->rect.top && y < c->rect.bottom)
        target = c;
  }
  if (target->parent) {
    x -= target->rect.left;
    y -= target->rect.top;
  }
  PostMessageA(target, msg, held ? MK_LBUTTON : 0, MAKELPARAM(x, y));
}

void input_key(HWND__* top, UINT msg, WPARAM code, bool ctrl) {
  if (!alive(top)) return;
  HWND__* target = g_focus && alive(g_focus) && top_of(g_focus) == top ? g_focus : top;
  post(target, msg, code, 1, ctrl);
}

void input_wheel(HWND__* top, int delta) {
  if (alive(top)) PostMessageA(top, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), 0);
}

void input_close(HWND__* top) { PostMessageA(top, WM_CLOSE, 0, 0); }

void platform_mouse(HWND top, UINT msg, int x, int y, bool held) {
  input_mouse(top, msg, x, y, held);
}
void platform_key(HWND top, UINT msg, WPARAM code) {
  input_key(top, msg, code, display_get()->keyHeld(VK_CONTROL));
}

/* ---------------------------------------------------------------------------
 * Message boxes
 * ------------------------------------------------------------------------- */

// Modal: nothing else runs until it is answered. The caption defaults to "Error".
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  const char* cap = caption ? caption : "Error";
  const char* body = text ? text : "";
  g_boxes.push_back(std::string(cap) + ": " + body);
  display_get()->messageBox(body, cap, type, alive(owner) ? owner : nullptr);
  return IDOK;
}

/* ---------------------------------------------------------------------------
 * Waiting, screen and keys
 * ------------------------------------------------------------------------- */

static bool message_waiting() {
  if (!g_queue.empty() || g_quit) return true;
  for (HWND__* w : g_windows)
    if (!w->parent && !w->destroyed && w->invalid) return true;
  return false;
}

// A window painted but not yet shown is shown within this time.
static constexpr DWORD PRESENT_WAIT_MS = 16;

DWORD MsgWaitForMultipleObjectsEx(DWORD count, const HANDLE*, DWORD ms, DWORD, DWORD) {
  if (message_waiting()) return WAIT_OBJECT_0 + count;
  for (HWND__* w : g_windows)
    if (!w->parent && !w->destroyed && w->dirty) ms = std::min(ms, PRESENT_WAIT_MS);
  if (ms == 0) return WAIT_TIMEOUT;
  return display_get()->wait(ms) ? WAIT_OBJECT_0 + count : WAIT_TIMEOUT;
}

int GetSystemMetrics(int index) {
  int w, h;
  display_get()->screenSize(w, h);
  return index == SM_CXSCREEN ? w : index == SM_CYSCREEN ? h : 0;
}

SHORT GetKeyState(int key) {
  bool held = key == VK_CONTROL ? g_ctrl : display_get()->keyHeld(key);
  return held ? static_cast<SHORT>(0x8000) : 0;
}

void platform_present_window(HWND hwnd, int scale, const uint32_t* icon) {
  if (!alive(hwnd) || hwnd->parent) return;
  hwnd->scale = scale;
  if (icon) hwnd->icon.assign(icon, icon + 32 * 32);
  if (hwnd->display) display_get()->setPresentation(hwnd);
}

int platform_window_scale(HWND hwnd) {
  return alive(hwnd) && hwnd->display ? display_get()->scale(hwnd) : 1;
}

void platform_place_window(HWND hwnd, const PlatformPlacement& place) {
  if (alive(hwnd) && !hwnd->parent) hwnd->place = place;
}

bool platform_window_placement(HWND hwnd, PlatformPlacement* place) {
  return alive(hwnd) && hwnd->display && place && display_get()->placement(hwnd, place);
}
