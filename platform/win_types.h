// Basic Win32 types, handles and macros of the stand-in, with the real widths.
#pragma once

#include <cstdint>

#define WINAPI
#define CALLBACK
#define APIENTRY

typedef int BOOL;
typedef unsigned char BYTE;
typedef uint16_t WORD;
typedef int16_t SHORT;
typedef uint32_t DWORD;
typedef unsigned int UINT;
typedef int32_t LONG;
typedef int INT;
typedef char16_t WCHAR;
typedef const char* LPCSTR;
typedef char* LPSTR;
typedef const WCHAR* LPCWSTR;
typedef void* LPVOID;
typedef DWORD* LPDWORD;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef void* HANDLE;
typedef DWORD COLORREF;

#define TRUE 1
#define FALSE 0

struct HWND__;
struct HDC__;
struct HBITMAP__;
struct HPEN__;
struct HFONT__;
struct HRGN__;
struct HBRUSH__;
struct HINSTANCE__;
struct HMENU__;
struct HCURSOR__;
struct HICON__;
typedef HWND__* HWND;
typedef HDC__* HDC;
typedef HBITMAP__* HBITMAP;
typedef HPEN__* HPEN;
typedef HFONT__* HFONT;
typedef HRGN__* HRGN;
typedef HBRUSH__* HBRUSH;
typedef HINSTANCE__* HINSTANCE;
typedef HMENU__* HMENU;
typedef HCURSOR__* HCURSOR;
typedef HICON__* HICON;
typedef void* HGDIOBJ;

struct RECT {
  LONG left, top, right, bottom;
};
typedef RECT* LPRECT;
struct POINT {
  LONG x, y;
};
typedef POINT* LPPOINT;
struct SIZE {
  LONG cx, cy;
};
typedef SIZE* LPSIZE;

#define LOWORD(l) (static_cast<WORD>(static_cast<uintptr_t>(l) & 0xffff))
#define HIWORD(l) (static_cast<WORD>((static_cast<uintptr_t>(l) >> 16) & 0xffff))
#define MAKELONG(a, b)                                            \
  (static_cast<LONG>((static_cast<DWORD>(static_cast<WORD>(a))) | \
                     (static_cast<DWORD>(static_cast<WORD>(b)) << 16)))
#define MAKELPARAM(l, h) (static_cast<LPARAM>(static_cast<DWORD>(MAKELONG(l, h))))
#define MAKEWPARAM(l, h) (static_cast<WPARAM>(static_cast<DWORD>(MAKELONG(l, h))))
#define RGB(r, g, b)                                                                               \
  (static_cast<COLORREF>((static_cast<BYTE>(r)) | (static_cast<WORD>(static_cast<BYTE>(g)) << 8) | \
                         (static_cast<DWORD>(static_cast<BYTE>(b)) << 16)))
#define GetRValue(c) (static_cast<BYTE>(c))
#define GetGValue(c) (static_cast<BYTE>((c) >> 8))
#define GetBValue(c) (static_cast<BYTE>((c) >> 16))
