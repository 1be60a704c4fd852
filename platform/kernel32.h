// Console and time: the KERNEL32 calls the host makes.
#pragma once

#include "platform/win_types.h"

#define STD_INPUT_HANDLE (static_cast<DWORD>(-10))
#define STD_OUTPUT_HANDLE (static_cast<DWORD>(-11))
#define STD_ERROR_HANDLE (static_cast<DWORD>(-12))
#define INVALID_HANDLE_VALUE (reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1)))

struct SYSTEMTIME {
  WORD wYear;
  WORD wMonth;
  WORD wDayOfWeek;
  WORD wDay;
  WORD wHour;
  WORD wMinute;
  WORD wSecond;
  WORD wMilliseconds;
};
typedef SYSTEMTIME* LPSYSTEMTIME;

struct FILETIME {
  DWORD dwLowDateTime;
  DWORD dwHighDateTime;
};
typedef FILETIME* LPFILETIME;

BOOL AllocConsole();
BOOL FreeConsole();
BOOL SetConsoleTitleA(LPCSTR title);
HANDLE GetStdHandle(DWORD which);
BOOL WriteConsoleA(HANDLE out, const void* text, DWORD count, LPDWORD written, LPVOID reserved);
BOOL WriteConsoleW(HANDLE out, const void* text, DWORD count, LPDWORD written, LPVOID reserved);

void GetSystemTime(LPSYSTEMTIME st);
BOOL SystemTimeToFileTime(const SYSTEMTIME* st, LPFILETIME ft);
DWORD GetTickCount();
void Sleep(DWORD milliseconds);

union LARGE_INTEGER {
  struct {
    DWORD LowPart;
    LONG HighPart;
  };
  long long QuadPart;
};
BOOL QueryPerformanceCounter(LARGE_INTEGER* count);
BOOL QueryPerformanceFrequency(LARGE_INTEGER* frequency);
