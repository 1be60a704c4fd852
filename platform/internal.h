// Shared internals of the stand-in: pixel surfaces, GDI objects, windows and the display.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gdi32.h"
#include "platform/testing.h"
#include "platform/user32.h"

// Pixels are 0x00RRGGBB words, rows top-down (a 32-bit DIB's byte order: B, G, R, 0).
struct Surface {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
  void resize(int w, int h) {
    width = w;
    height = h;
    pixels.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
  }
};

inline uint32_t pixel_of(COLORREF c) {
  return (static_cast<uint32_t>(GetRValue(c)) << 16) | (static_cast<uint32_t>(GetGValue(c)) << 8) |
         GetBValue(c);
}

enum GdiKind { GDI_BITMAP = 1, GDI_PEN, GDI_BRUSH, GDI_FONT, GDI_REGION };

struct GdiHeader {
  int kind;
  bool stock;  // stock objects are never deleted
};

struct HBITMAP__ : GdiHeader {
  Surface surface;
  HDC__* selectedIn;  // a bitmap is selected into at most one memory context
};
struct HPEN__ : GdiHeader {
  COLORREF color;
};
struct HBRUSH__ : GdiHeader {
  COLORREF color;
};
struct HFONT__ : GdiHeader {};
struct HRGN__ : GdiHeader {
  RECT rect;  // right and bottom exclusive
};

struct HDC__ {
  HWND__* window;     // a window context draws on its top-level window's surface
  HBITMAP__* bitmap;  // a memory context draws on its selected bitmap
  HPEN__* pen;
  HBRUSH__* brush;
  HFONT__* font;
  int rop2;
  COLORREF textColor;
  COLORREF bkColor;
  int bkMode;
  UINT textAlign;
  POINT pos;
  bool clipped;
  RECT clip;  // in surface pixels, right and bottom exclusive
  // Drawing target and its clipped bounds, kept until the bitmap or the clip changes.
  bool cached;
  Surface* surface;
  RECT bounds;
};

// Recomputes the cached target when the context's bitmap or clip has changed.
inline void dc_changed(HDC__* dc) { dc->cached = false; }

struct HWND__ {
  std::string className;
  std::string text;
  WNDPROC proc;
  DWORD style;
  HWND__* parent;
  int id;
  RECT rect;  // client rectangle, in the parent's client coordinates for a child
  std::vector<HWND__*> children;
  Surface surface;  // top-level windows only
  bool invalid;
  bool destroyed;
  bool pressed;                // push buttons
  bool dirty;                  // painted since the display last showed it
  RECT update;                 // bounding rectangle of the invalid area
  void* display;               // the backend's window
  int scale;                   // top-level windows: asked magnification, 0 = fit the screen
  PlatformPlacement place;     // top-level windows: where to open, as last closed
  std::vector<uint32_t> icon;  // 32 x 32, empty for none
};

// Counts down an injected failure; true when this call is the one to fail.
bool platform_should_fail(PlatformFault f);

// Window contexts (made by GetDC and BeginPaint) and their release.
HDC platform_window_dc(HWND__* window);
void platform_free_dc(HDC dc);

// Surface a context draws on, and the clip in that surface's pixels.
Surface* dc_surface(HDC__* dc);
RECT dc_bounds(HDC__* dc);

// Paints a push button's face into its top-level window's surface.
void draw_button(HWND__* button);
// Glyph-by-glyph text drawing on a surface, used by button faces too.
int draw_text_run(Surface* s, const RECT& clip, int x, int y, const WCHAR* text, int count,
                  uint32_t color);

// Mouse and key input as the display delivers it, in top-level client coordinates.
void input_mouse(HWND__* top, UINT msg, int x, int y, bool buttonHeld);
void input_key(HWND__* top, UINT msg, WPARAM code, bool ctrl);  // ctrl: held with the key
void input_wheel(HWND__* top, int delta);  // in WHEEL_DELTA units a notch, positive away
void input_close(HWND__* top);

// The display: a window of its own (SDL2) or nothing at all (headless).
struct Display {
  virtual ~Display() = default;
  virtual void* open(HWND__* top) = 0;
  virtual void close(void* window) = 0;
  virtual void poll() = 0;                // delivers input through input_*
  virtual void present(HWND__* top) = 0;  // shows the window's surface, never waits
  virtual bool messageBox(const char* text, const char* caption, UINT type, HWND__* owner) = 0;
  // Sleeps until input arrives or the time is up; true when input is waiting.
  virtual bool wait(DWORD ms) = 0;
  virtual void screenSize(int& width, int& height) = 0;  // 0 x 0 without a screen
  virtual bool keyHeld(int vk) = 0;
  // Applies the window's scale and icon fields to an open window.
  virtual void setPresentation(HWND__* top) = 0;
  virtual int scale(HWND__* top) = 0;
  virtual bool placement(HWND__* top, PlatformPlacement* place) = 0;
};
Display* display_get();
Display* display_headless();
Display* display_sdl(std::string* why);  // null when unavailable, saying why
#ifdef __EMSCRIPTEN__
Display* display_web();
#endif
