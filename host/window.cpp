// Device window and silk-screen input: registration, creation with the ten buttons, and
// the window procedure that paints the screen and turns input into events.
#include <algorithm>
#include <cstring>
#include <iterator>
#include <vector>

#include "host/host.h"
#include "host/natives.h"

static const DWORD WINDOW_STYLE = WS_CAPTION | WS_SYSMENU;
static const DWORD BUTTON_STYLE = WS_CHILD | WS_VISIBLE | WS_TABSTOP;  // 0x50010000
static const int BUTTON_WIDTH = 55;
static const int BUTTON_HEIGHT = 25;
static const char* const MSG_REGISTER =
    "Failed to start application: unable to register the window class";
static const char* const MSG_CREATE = "Failed to start application: unable to create the window";

struct SilkButton {
  const char* text;
  int id;
  int left;
  int top;
  int key;         // key code queued
  bool systemKey;  // queued only while the system-keys flag is 1
};

// In creation order.
static const SilkButton BUTTONS[] = {
    {"Apps", 1001, 7, 330, 0x108, true},    {"Menu", 1002, 7, 360, 0x105, false},
    {"Calc", 1003, 255, 330, 0x10B, true},  {"Find", 1004, 255, 360, 0x10A, true},
    {"Date", 1005, 7, 415, 0x204, true},    {"Addr", 1006, 69, 415, 0x205, true},
    {"PgUp", 1007, 131, 400, 0x0B, false},  {"PgDn", 1008, 131, 430, 0x0C, false},
    {"To Do", 1009, 193, 415, 0x206, true}, {"Memo", 1010, 255, 415, 0x207, true},
};

// Desktop keys that press a silk-screen button: the page keys, F1 and the keyboard's Menu
// key, Home. The mouse wheel presses PgUp or PgDn once a notch.
static const struct {
  WPARAM vk;
  int id;
} BUTTON_KEYS[] = {
    {VK_PRIOR, 1007}, {VK_NEXT, 1008}, {VK_F1, 1002}, {VK_APPS, 1002}, {VK_HOME, 1001},
};
static const int PGUP_ID = 1007;
static const int PGDN_ID = 1008;

static const SilkButton* button_of(WPARAM id) {
  for (const SilkButton& b : BUTTONS)
    if (static_cast<WPARAM>(b.id) == id) return &b;
  return nullptr;
}

static const SilkButton* button_of_key(WPARAM vk) {
  for (const auto& k : BUTTON_KEYS)
    if (k.vk == vk) return button_of(static_cast<WPARAM>(k.id));
  return nullptr;
}

int host_button_id(const char* label) {
  for (const SilkButton& b : BUTTONS)
    if (label && strcmp(label, b.text) == 0) return b.id;
  return -1;
}

static_assert(std::size(BUTTONS) == HOST_SILK_BUTTONS);

const char* host_button_label(int index) {
  return index >= 0 && index < HOST_SILK_BUTTONS ? BUTTONS[index].text : nullptr;
}

const char* host_button_label_of(WPARAM id) {
  for (const SilkButton& b : BUTTONS)
    if (static_cast<WPARAM>(b.id) == id) return b.text;
  return nullptr;
}

int host_button_key(WPARAM id) {
  const SilkButton* b = button_of(id);
  return b ? b->key : 0;
}

// A start-up that cannot open its window says so before it ends.
static int start_failed(const char* text) {
  MessageBoxA(nullptr, text, nullptr, MB_ICONHAND);
  return 0;
}

BOOL host_register_class(HINSTANCE instance) {
  WNDCLASSA wc{};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = host_window_proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
  wc.lpszClassName = host.appName;
  return RegisterClassA(&wc) != 0 ? TRUE : start_failed(MSG_REGISTER);
}

#ifdef _WIN32
/* ---------------------------------------------------------------------------
 * Presentation on Windows (the stand-in's display scales by itself): the client area
 * shows the window at a whole scale, centred; the program and scripts see scale 1.
 * ------------------------------------------------------------------------- */

static const DWORD RESIZABLE_STYLE = WINDOW_STYLE | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
static const int MAX_SCALE = 6;

static struct {
  int s = 1, x = 0, y = 0;  // scale and the picture's offset in the client area
  bool full = false;
  RECT restore{};            // the framed window's place while full screen
  int restoreScale = 1;      // and its scale
  HFONT font = nullptr;      // the buttons' font at the scale
  HWND shadow[10] = {};      // scale-1 buttons out of sight, painted into `window` pictures
  bool swallowChar = false;  // the character of a key the host took
} view;

static SIZE framed_size(int s) {
  RECT r = {0, 0, s * HOST_CLIENT_WIDTH, s * HOST_CLIENT_HEIGHT};
  AdjustWindowRect(&r, RESIZABLE_STYLE, FALSE);
  return {r.right - r.left, r.bottom - r.top};
}

// The monitor's work area; the primary one's without a monitor.
static RECT work_area(HMONITOR monitor) {
  MONITORINFO mi{};
  mi.cbSize = sizeof mi;
  if (monitor && GetMonitorInfoA(monitor, &mi)) return mi.rcWork;
  RECT work = {0, 0, HOST_CLIENT_WIDTH, HOST_CLIENT_HEIGHT};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  return work;
}

// The largest whole scale whose framed window fits the work area.
static int largest_fit(HMONITOR monitor) {
  RECT work = work_area(monitor);
  int s = MAX_SCALE;
  while (s > 1) {
    SIZE f = framed_size(s);
    if (f.cx <= work.right - work.left && f.cy <= work.bottom - work.top) break;
    s--;
  }
  return s;
}

// Lays the picture and the buttons out for a client area of w x h.
static void layout(HWND hwnd, int w, int h) {
  int s = std::max(1, std::min(w / HOST_CLIENT_WIDTH, h / HOST_CLIENT_HEIGHT));
  view.x = (w - s * HOST_CLIENT_WIDTH) / 2;
  view.y = (h - s * HOST_CLIENT_HEIGHT) / 2;
  if (s != view.s || !view.font) {
    LOGFONTA lf{};
    GetObjectA(GetStockObject(ANSI_VAR_FONT), sizeof lf, &lf);
    lf.lfHeight *= s;
    lf.lfWidth *= s;
    if (view.font) DeleteObject(view.font);
    view.font = CreateFontIndirectA(&lf);
  }
  view.s = s;
  for (const SilkButton& b : BUTTONS) {
    HWND button = GetDlgItem(hwnd, b.id);
    if (!button) continue;  // sized while being created
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(view.font), 0);
    MoveWindow(button, view.x + s * b.left, view.y + s * b.top, s * BUTTON_WIDTH, s * BUTTON_HEIGHT,
               TRUE);
  }
  InvalidateRect(hwnd, nullptr, TRUE);
}

// Ctrl+Plus stops at the largest scale that fits the window's monitor.
static void set_scale(int s) {
  if (view.full) return;
  int limit =
      std::max(view.s, largest_fit(MonitorFromWindow(host.window, MONITOR_DEFAULTTONEAREST)));
  SIZE f = framed_size(std::clamp(s, 1, limit));
  SetWindowPos(host.window, nullptr, 0, 0, f.cx, f.cy, SWP_NOMOVE | SWP_NOZORDER);
}

// Where the window opens: beside a running window of the program, else where the last one
// closed when its caption's middle lies on a monitor, else centred on the primary one.
static POINT opening_place(const HostPlacement* last, SIZE f) {
  if (HWND other = FindWindowA(host.appName, nullptr)) {
    RECT at;
    if (GetWindowRect(other, &at)) return {at.left + WINDOW_CASCADE, at.top + WINDOW_CASCADE};
  }
  if (last) {
    POINT caption = {last->x + f.cx / 2, last->y + GetSystemMetrics(SM_CYCAPTION) / 2};
    if (MonitorFromPoint(caption, MONITOR_DEFAULTTONULL)) return {last->x, last->y};
  }
  RECT work = work_area(nullptr);
  return {work.left + std::max<LONG>(0, (work.right - work.left - f.cx) / 2),
          work.top + std::max<LONG>(0, (work.bottom - work.top - f.cy) / 2)};
}

static bool placement_now(HostPlacement* place) {
  if (IsIconic(host.window)) return false;  // a minimised window keeps the last place
  RECT r;
  if (view.full) {
    r = view.restore;
  } else if (!GetWindowRect(host.window, &r)) {
    return false;
  }
  *place = {view.full ? view.restoreScale : view.s, r.left, r.top, view.full};
  return true;
}
#else
static bool placement_now(HostPlacement* place) {
  PlatformPlacement p;
  if (!platform_window_placement(host.window, &p)) return false;  // headless
  *place = {p.scale, p.x, p.y, p.full};
  return true;
}
#endif

#ifdef _WIN32

// Full screen: a borderless popup over the whole monitor.
static void toggle_full_screen(HWND hwnd) {
  view.full = !view.full;
  if (view.full) {
    GetWindowRect(hwnd, &view.restore);
    view.restoreScale = view.s;
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    GetMonitorInfoA(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &mi);
    SetWindowLongA(hwnd, GWL_STYLE, WS_POPUP | WS_VISIBLE);
    RECT m = mi.rcMonitor;
    SetWindowPos(hwnd, HWND_TOP, m.left, m.top, m.right - m.left, m.bottom - m.top,
                 SWP_FRAMECHANGED);
  } else {
    SetWindowLongA(hwnd, GWL_STYLE, RESIZABLE_STYLE | WS_VISIBLE);
    RECT r = view.restore;
    SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_FRAMECHANGED | SWP_NOZORDER);
  }
}

// F11, Ctrl+Plus and Ctrl+Minus change the presentation only; true when taken.
static bool presentation_key(HWND hwnd, WPARAM vk) {
  if (vk == VK_F11) {
    toggle_full_screen(hwnd);
    return true;
  }
  if (GetKeyState(VK_CONTROL) >= 0) return false;
  if (vk == VK_OEM_PLUS || vk == VK_ADD) {
    set_scale(view.s + 1);
    return true;
  }
  if (vk == VK_OEM_MINUS || vk == VK_SUBTRACT) {
    set_scale(view.s - 1);
    return true;
  }
  return false;
}

// Client pixels to scale 1, rounding down so that the margins stay outside.
static LPARAM to_scale_one(LPARAM lp) {
  auto down = [](int v, int s) { return v >= 0 ? v / s : -((-v + s - 1) / s); };
  int x = static_cast<short>(LOWORD(lp)), y = static_cast<short>(HIWORD(lp));
  return MAKELPARAM(down(x - view.x, view.s), down(y - view.y, view.s));
}

LPARAM host_client_point(int x, int y) {
  // Far outside stays outside; the clamp keeps client pixels within 16 bits.
  x = std::clamp(x, -2048, 2048);
  y = std::clamp(y, -2048, 2048);
  return MAKELPARAM(view.x + x * view.s, view.y + y * view.s);
}

void host_invalidate(RECT r) {
  auto at = [](LONG v, int off) {
    return static_cast<LONG>(
        std::clamp<int64_t>(int64_t{v} * view.s + off, INT32_MIN / 2, INT32_MAX / 2));
  };
  RECT c = {at(r.left, view.x), at(r.top, view.y), at(r.right, view.x), at(r.bottom, view.y)};
  InvalidateRect(host.window, &c, FALSE);
  UpdateWindow(host.window);
}

// The client area at scale 1: the screen, the background and the scale-1 buttons.
bool host_compose_window(HDC dc, HDC mem) {
  RECT all = {0, 0, HOST_CLIENT_WIDTH, HOST_CLIENT_HEIGHT};
  FillRect(mem, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
  HDC src = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(src, host.screen);
  BitBlt(mem, 0, 0, host.screenArea.right - host.screenArea.left,
         host.screenArea.bottom - host.screenArea.top, src, 0, 0, SRCCOPY);
  SelectObject(src, old);
  DeleteDC(src);
  // Each button paints into a bitmap of its own size: it clips to its client rectangle
  // in device units.
  HDC one = CreateCompatibleDC(dc);
  HBITMAP bits = CreateCompatibleBitmap(dc, BUTTON_WIDTH, BUTTON_HEIGHT);
  old = SelectObject(one, bits);
  for (int i = 0; i < 10; i++) {
    SendMessageA(view.shadow[i], WM_PRINTCLIENT, reinterpret_cast<WPARAM>(one), PRF_CLIENT);
    BitBlt(mem, BUTTONS[i].left, BUTTONS[i].top, BUTTON_WIDTH, BUTTON_HEIGHT, one, 0, 0, SRCCOPY);
  }
  SelectObject(one, old);
  DeleteObject(bits);
  DeleteDC(one);
  return true;
}
#else
// The stand-in's display scales the whole window itself.
void host_invalidate(RECT r) {
  InvalidateRect(host.window, &r, FALSE);
  UpdateWindow(host.window);
}
#endif

// A window whose buttons could not be made: its drawing objects go; the start has failed.
static int failed_window() {
  host_free_drawing();
  return start_failed(MSG_CREATE);
}

int host_create_window(HINSTANCE instance, int show) {
  host.windowRect = {0, 0, HOST_CLIENT_WIDTH, HOST_CLIENT_HEIGHT};
  host.screenArea = {0, 0, HOST_SCREEN_SIZE - 1, HOST_SCREEN_SIZE - 1};
  RECT r = host.windowRect;
  AdjustWindowRect(&r, WINDOW_STYLE, FALSE);
  int x = 0, y = 0;
  // The scale and place it last closed at; a scale on the command line wins.
  HostPlacement last{};
  bool remembered = host_load_placement(&last);
#ifdef _WIN32
  int fit = largest_fit(remembered ? MonitorFromPoint({last.x, last.y}, MONITOR_DEFAULTTOPRIMARY)
                                   : nullptr);
  SIZE f = framed_size(host.scale > 0 ? host.scale : remembered ? std::min(last.scale, fit) : fit);
  r = {0, 0, f.cx, f.cy};
  POINT at = opening_place(remembered ? &last : nullptr, f);
  x = at.x;
  y = at.y;
  DWORD style = RESIZABLE_STYLE;
#else
  DWORD style = WINDOW_STYLE;
#endif
  host.window = CreateWindowExA(0, host.appName, host.appName, style, x, y, r.right - r.left,
                                r.bottom - r.top, nullptr, nullptr, instance, nullptr);
  if (!host.window) return start_failed(MSG_CREATE);
  for (const SilkButton& b : BUTTONS) {
    HWND button = CreateWindowExA(
        0, "BUTTON", b.text, BUTTON_STYLE, b.left, b.top, BUTTON_WIDTH, BUTTON_HEIGHT, host.window,
        reinterpret_cast<HMENU>(static_cast<intptr_t>(b.id)), instance, nullptr);
    if (!button) return failed_window();
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_VAR_FONT)), 1);
  }
#ifndef _WIN32
  if (remembered) platform_place_window(host.window, {last.scale, true, last.x, last.y, last.full});
  platform_present_window(host.window, host.scale, nullptr);
#else
  for (int i = 0; i < 10; i++) {
    const SilkButton& b = BUTTONS[i];
    // Shown (the button paints only then) but far outside the client area.
    view.shadow[i] = CreateWindowExA(0, "BUTTON", b.text, WS_CHILD | WS_VISIBLE, -8 * b.left - 800,
                                     -8 * b.top - 800, BUTTON_WIDTH, BUTTON_HEIGHT, host.window,
                                     nullptr, instance, nullptr);
    if (!view.shadow[i]) return failed_window();
    SendMessageA(view.shadow[i], WM_SETFONT,
                 reinterpret_cast<WPARAM>(GetStockObject(ANSI_VAR_FONT)), 0);
  }
  RECT client;
  GetClientRect(host.window, &client);
  layout(host.window, client.right, client.bottom);
#endif
  ShowWindow(host.window, show);
#ifdef _WIN32
  if (remembered && last.full) toggle_full_screen(host.window);
#endif
  UpdateWindow(host.window);
  SetFocus(host.window);
  return 1;
}

/* ---------------------------------------------------------------------------
 * Window procedure
 * ------------------------------------------------------------------------- */

// Clears a bitmap to white with one window line per row, as the drawing natives draw.
static void clear_white(HDC mem, HBITMAP bitmap) {
  HGDIOBJ oldBitmap = SelectObject(mem, bitmap);
  HGDIOBJ oldPen = SelectObject(mem, host.blackPen);
  int oldRop = SetROP2(mem, R2_WHITE);
  for (int y = 0; y < HOST_SCREEN_SIZE; y++) {
    MoveToEx(mem, 0, y, nullptr);
    LineTo(mem, HOST_SCREEN_SIZE, y);
  }
  SetROP2(mem, oldRop);
  SelectObject(mem, oldPen);
  SelectObject(mem, oldBitmap);
}

static void on_create(HWND hwnd) {
  HDC dc = GetDC(hwnd);
  HDC mem = CreateCompatibleDC(dc);
  host.screen = CreateCompatibleBitmap(dc, HOST_SCREEN_SIZE, HOST_SCREEN_SIZE);
  host.offscreen = CreateCompatibleBitmap(dc, HOST_SCREEN_SIZE, HOST_SCREEN_SIZE);
  host.blackPen = CreatePen(PS_SOLID, 0, RGB(0, 0, 0));
  host.greyPen = CreatePen(PS_SOLID, 0, RGB(127, 127, 127));
  host.font = CreateFontA(22, 8, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, FF_SWISS, "");
  clear_white(mem, host.screen);
  clear_white(mem, host.offscreen);
  DeleteDC(mem);
  ReleaseDC(hwnd, dc);
  gfx_reset_draw_region();
  SetFocus(hwnd);
}

// The window icon is the program's own look: its screen shrunk to 32 x 32, each icon pixel
// the darkest of its 10 x 10 block so that line drawings stay visible. Taken again now
// and then during the first seconds, while the program draws its first pictures.
static const DWORD ICON_PERIOD_MS = 250;
static const DWORD ICON_UNTIL_MS = 2000;

#ifdef _WIN32
// A 32 x 32 colour icon with no transparent pixels.
static void set_window_icon(const uint32_t* pixels) {
  static HICON current;
  BITMAPINFO bmi{};
  bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), 32, -32, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC dc = GetDC(host.window);
  HBITMAP colour = CreateDIBSection(dc, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
  ReleaseDC(host.window, dc);
  if (!colour || !bits) return;
  memcpy(bits, pixels, 32 * 32 * 4);
  static const BYTE opaque[32 * 32 / 8] = {};
  HBITMAP mask = CreateBitmap(32, 32, 1, 1, opaque);
  ICONINFO info = {TRUE, 0, 0, mask, colour};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(mask);
  DeleteObject(colour);
  if (!icon) return;
  SendMessageA(host.window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageA(host.window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  if (current) DestroyIcon(current);
  current = icon;
}
#endif

static void update_icon() {
  static DWORD started, last;
  DWORD now = GetTickCount();
  if (!started) started = last = now;
  if (now - started > ICON_UNTIL_MS || now - last < ICON_PERIOD_MS) return;
  last = now;
  std::vector<uint32_t> px(HOST_SCREEN_SIZE * HOST_SCREEN_SIZE);
  if (!host_read_screen(px.data())) return;
  uint32_t icon[32 * 32];
  for (int y = 0; y < 32; y++)
    for (int x = 0; x < 32; x++) {
      uint32_t r = 255, g = 255, b = 255;
      for (int j = 0; j < 10; j++)
        for (int i = 0; i < 10; i++) {
          uint32_t p = px[(y * 10 + j) * HOST_SCREEN_SIZE + x * 10 + i];
          r = std::min(r, (p >> 16) & 0xFF);
          g = std::min(g, (p >> 8) & 0xFF);
          b = std::min(b, p & 0xFF);
        }
      icon[y * 32 + x] = (r << 16) | (g << 8) | b;
    }
#ifndef _WIN32
  platform_present_window(host.window, 0, icon);
#else
  set_window_icon(icon);
#endif
}

// Only the screen area is painted, always whole; the bitmap's last column and row are
// never shown.
static void on_paint(HWND hwnd) {
  update_icon();
  PAINTSTRUCT ps{};
  HDC dc = BeginPaint(hwnd, &ps);
  HDC mem = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(mem, host.screen);
#ifdef _WIN32
  // Whole pixels, never blurred.
  int w = host.screenArea.right - host.screenArea.left;
  int h = host.screenArea.bottom - host.screenArea.top;
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, view.x, view.y, view.s * w, view.s * h, mem, 0, 0, w, h, SRCCOPY);
#else
  BitBlt(dc, 0, 0, host.screenArea.right - host.screenArea.left,
         host.screenArea.bottom - host.screenArea.top, mem, 0, 0, SRCCOPY);
#endif
  SelectObject(mem, old);
  DeleteDC(mem);
  EndPaint(hwnd, &ps);
}

static void delete_object(HGDIOBJ* field) {
  if (*field) DeleteObject(*field);
  *field = nullptr;
}

void host_free_drawing() {
  delete_object(reinterpret_cast<HGDIOBJ*>(&host.screen));
  delete_object(reinterpret_cast<HGDIOBJ*>(&host.offscreen));
  delete_object(reinterpret_cast<HGDIOBJ*>(&host.blackPen));
  delete_object(reinterpret_cast<HGDIOBJ*>(&host.greyPen));
  delete_object(reinterpret_cast<HGDIOBJ*>(&host.font));
#ifdef _WIN32
  delete_object(reinterpret_cast<HGDIOBJ*>(&view.font));
#endif
  gfx_reset_draw_region();
}

static void on_close(HWND hwnd) {
  HostPlacement place;
  if (placement_now(&place)) host_save_placement(place);
  host_free_drawing();
  DestroyWindow(hwnd);
}

static bool in_screen(LPARAM lp) {
  POINT pt = {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
  return PtInRect(&host.screenArea, pt) != 0;
}

// The event was lost because the queue could not grow; the program goes on.
static void enqueue(UINT msg, WPARAM wp, LPARAM lp) {
  if (!evt_enqueue(msg, wp, lp))
    MessageBoxA(host.window, "Internal event queue overflow.", "Java run-time error",
                MB_ICONEXCLAMATION);
}

// A silk-screen button's click: queued unless it needs the system-keys flag and that is off.
static void press(const SilkButton& b) {
  if (!b.systemKey || host.systemKeys == 1) enqueue(WM_COMMAND, static_cast<WPARAM>(b.id), 0);
}

// One page key a wheel notch; a fine wheel's steps add up to notches.
static void wheel(int delta) {
  static int pending;
  if ((pending > 0 && delta < 0) || (pending < 0 && delta > 0)) pending = 0;  // turned back
  pending += delta;
  for (; pending >= WHEEL_DELTA; pending -= WHEEL_DELTA) press(*button_of(PGUP_ID));
  for (; pending <= -WHEEL_DELTA; pending += WHEEL_DELTA) press(*button_of(PGDN_ID));
}

// The host's own keys, never passed to the program: F12 (and Print) saves the screen,
// Ctrl+Q closes the window as its close box does.
static const WPARAM CTRL_Q = 17;

static bool host_key(HWND hwnd, WPARAM vk) {
  if (vk == VK_F12 || vk == VK_SNAPSHOT) {
    host_save_screenshot();
    return true;
  }
  if (vk == 'Q' && GetKeyState(VK_CONTROL) < 0) {
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
    return true;
  }
  return false;
}

LRESULT CALLBACK host_window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE:
      on_create(hwnd);
      return 0;
    case WM_PAINT:
      on_paint(hwnd);
      return 0;
    case WM_CLOSE:
      on_close(hwnd);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
#ifdef _WIN32
    case WM_SIZE:
      if (wp != SIZE_MINIMIZED) layout(hwnd, LOWORD(lp), HIWORD(lp));
      return 0;
    case WM_GETMINMAXINFO: {
      SIZE f = framed_size(1);
      reinterpret_cast<MINMAXINFO*>(lp)->ptMinTrackSize = {f.cx, f.cy};
      return 0;
    }
#endif
    case WM_LBUTTONDOWN:
#ifdef _WIN32
      lp = to_scale_one(lp);
#endif
      SetCapture(hwnd);
      if (in_screen(lp)) enqueue(msg, wp, lp);
      break;
    case WM_LBUTTONUP:
#ifdef _WIN32
      lp = to_scale_one(lp);
#endif
      ReleaseCapture();
      if (in_screen(lp)) enqueue(msg, wp, lp);
      break;
    case WM_MOUSEMOVE:
#ifdef _WIN32
      lp = to_scale_one(lp);
#endif
      if ((wp & MK_LBUTTON) && in_screen(lp)) enqueue(msg, wp, lp);
      break;
    case WM_KEYDOWN:
#ifdef _WIN32
      view.swallowChar = presentation_key(hwnd, wp);
      if (view.swallowChar) return 0;
#endif
      if (host_key(hwnd, wp)) return 0;
      if (wp >= VK_LEFT && wp <= VK_DOWN) enqueue(msg, wp, lp);
      if (const SilkButton* b = button_of_key(wp)) press(*b);
      break;
    case WM_MOUSEWHEEL:
      wheel(GET_WHEEL_DELTA_WPARAM(wp));
      break;
    case WM_KEYUP:
      if (wp == VK_SNAPSHOT) host_save_screenshot();  // Windows sends Print only as a release
      return 0;
    case WM_CHAR:
      if (wp == CTRL_Q && GetKeyState(VK_CONTROL) < 0) return 0;  // the close key's character
#ifdef _WIN32
      if (view.swallowChar) return 0;
#endif
      enqueue(msg, wp, lp);
      break;
    case WM_COMMAND:
      if (const SilkButton* b = button_of(wp)) press(*b);
      break;
    default:
      return DefWindowProcA(hwnd, msg, wp, lp);
  }
  SetFocus(hwnd);  // key strokes keep arriving here after a button click
  return 0;
}
