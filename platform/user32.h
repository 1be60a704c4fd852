// Window and messages: the USER32 calls the host makes, over a headless or SDL2 display.
#pragma once

#include "platform/win_types.h"

#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_SETFONT 0x0030
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_COMMAND 0x0111
#define WM_MOUSEMOVE 0x0200
#define WM_LBUTTONDOWN 0x0201
#define WM_LBUTTONUP 0x0202
#define WM_MOUSEWHEEL 0x020A

#define MK_LBUTTON 0x0001
#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001
#define BN_CLICKED 0
#define WHEEL_DELTA 120
#define GET_WHEEL_DELTA_WPARAM(wp) (static_cast<SHORT>(HIWORD(wp)))

#define CS_VREDRAW 0x0001
#define CS_HREDRAW 0x0002

#define WS_OVERLAPPED 0x00000000L
#define WS_TABSTOP 0x00010000L
#define WS_SYSMENU 0x00080000L
#define WS_CAPTION 0x00C00000L
#define WS_VISIBLE 0x10000000L
#define WS_CHILD 0x40000000L

#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_SHOW 5
#define SW_SHOWDEFAULT 10

#define MB_OK 0x00000000L
#define MB_ICONHAND 0x00000010L
#define MB_ICONSTOP MB_ICONHAND
#define MB_ICONEXCLAMATION 0x00000030L
#define IDOK 1

#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_ESCAPE 0x1B
#define VK_PRIOR 0x21
#define VK_NEXT 0x22
#define VK_HOME 0x24
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_CONTROL 0x11
#define VK_SNAPSHOT 0x2C
#define VK_APPS 0x5D
#define VK_ADD 0x6B
#define VK_SUBTRACT 0x6D
#define VK_F1 0x70
#define VK_F11 0x7A
#define VK_F12 0x7B
#define VK_OEM_PLUS 0xBB
#define VK_OEM_MINUS 0xBD

#define SM_CXSCREEN 0
#define SM_CYSCREEN 1

#define QS_ALLINPUT 0x04FF
#define MWMO_INPUTAVAILABLE 0x0004
#define WAIT_OBJECT_0 0x00000000L
#define WAIT_TIMEOUT 0x00000102L
#define INFINITE 0xFFFFFFFF

#define IDC_ARROW (reinterpret_cast<LPCSTR>(static_cast<uintptr_t>(32512)))

typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);

struct WNDCLASSA {
  UINT style;
  WNDPROC lpfnWndProc;
  int cbClsExtra;
  int cbWndExtra;
  HINSTANCE hInstance;
  HICON hIcon;
  HCURSOR hCursor;
  HBRUSH hbrBackground;
  LPCSTR lpszMenuName;
  LPCSTR lpszClassName;
};

struct MSG {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  DWORD time;
  POINT pt;
};
typedef MSG* LPMSG;

struct PAINTSTRUCT {
  HDC hdc;
  BOOL fErase;
  RECT rcPaint;
  BOOL fRestore;
  BOOL fIncUpdate;
  BYTE rgbReserved[32];
};
typedef PAINTSTRUCT* LPPAINTSTRUCT;

WORD RegisterClassA(const WNDCLASSA* wc);
HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param);
BOOL AdjustWindowRect(LPRECT rect, DWORD style, BOOL menu);
BOOL ShowWindow(HWND hwnd, int show);
BOOL UpdateWindow(HWND hwnd);
BOOL DestroyWindow(HWND hwnd);
BOOL IsWindow(HWND hwnd);
HWND SetFocus(HWND hwnd);
BOOL SetForegroundWindow(HWND hwnd);
HWND GetDlgItem(HWND parent, int id);
LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name);

BOOL PeekMessageA(LPMSG msg, HWND hwnd, UINT first, UINT last, UINT remove);
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessageA(const MSG* msg);
BOOL PostMessageA(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
void PostQuitMessage(int code);

HDC GetDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC hdc);
HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT ps);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps);
BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);

HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();
BOOL PtInRect(const RECT* rect, POINT pt);

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

// Waits (no handles here) until input or a message is in the queue, or the time is up.
DWORD MsgWaitForMultipleObjectsEx(DWORD count, const HANDLE* handles, DWORD milliseconds,
                                  DWORD wakeMask, DWORD flags);
// The screen's size in pixels; 0 without a display.
int GetSystemMetrics(int index);
// Bit 15 set while the key is held.
SHORT GetKeyState(int key);

// Not Win32: how the stand-in shows a top-level window. The picture is the client area
// magnified by a whole scale (0: the largest that fits the screen comfortably); the user
// may resize the window (the picture snaps to whole scales, centred) and toggle full
// screen (F11) or the scale (Ctrl+Plus, Ctrl+Minus). The window's own coordinates never
// change. `icon` is a 32 x 32 top-down picture (0x00RRGGBB) or null.
void platform_present_window(HWND hwnd, int scale, const uint32_t* icon);
// The scale a window is shown at now (1 headless).
int platform_window_scale(HWND hwnd);

// Not Win32: a top-level window's place on the desktop, kept by the host between runs.
struct PlatformPlacement {
  int scale;    // 0: the largest whole scale whose framed window fits the work area
  bool placed;  // x and y hold the framed window's top-left on the desktop
  int x, y;
  bool full;  // full screen; scale, x and y are where it returns to
};
// Where a window opens (before ShowWindow). A scale given to platform_present_window wins;
// this scale is held to what fits the screen, and a place on no screen gives way to the
// primary screen.
void platform_place_window(HWND hwnd, const PlatformPlacement& place);
// Where a shown window is now; false without one (headless).
bool platform_window_placement(HWND hwnd, PlatformPlacement* place);
