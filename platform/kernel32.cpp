// Console and time: console allocation and output, the system clock, ticks and sleeping.
#include "platform/kernel32.h"

#include <sched.h>
#include <time.h>

#include <cstdio>
#include <string>

#include "platform/internal.h"

static bool g_console;
static std::string* g_sink;
static std::string g_title;
static int64_t g_fixed_clock = -1;

void platform_console_reset() {
  g_console = false;
  g_title.clear();
}
void platform_capture_console(std::string* sink) { g_sink = sink; }
const std::string& platform_console_title() { return g_title; }
void platform_set_clock(int64_t ms) { g_fixed_clock = ms; }

/* ---------------------------------------------------------------------------
 * Console: standard output stands in for the console window
 * ------------------------------------------------------------------------- */

static int g_stdout_handle;

BOOL AllocConsole() {
  if (g_console || platform_should_fail(PF_ALLOC_CONSOLE)) return FALSE;
  g_console = true;
  return TRUE;
}

BOOL FreeConsole() {
  if (!g_console) return FALSE;
  g_console = false;
  return TRUE;
}

BOOL SetConsoleTitleA(LPCSTR title) {
  if (!g_console || !title) return FALSE;
  g_title = title;
  return TRUE;
}

// Without a console a program has no standard output handle.
HANDLE GetStdHandle(DWORD which) {
  if (which != STD_OUTPUT_HANDLE) return nullptr;
  if (platform_should_fail(PF_STD_HANDLE)) return INVALID_HANDLE_VALUE;
  return g_console ? &g_stdout_handle : nullptr;
}

static BOOL write_out(HANDLE out, const std::string& bytes, DWORD count, LPDWORD written) {
  if (out != &g_stdout_handle || !g_console) return FALSE;
  if (g_sink) {
    g_sink->append(bytes);
  } else {
    fwrite(bytes.data(), 1, bytes.size(), stdout);
    fflush(stdout);
  }
  if (written) *written = count;
  return TRUE;
}

BOOL WriteConsoleA(HANDLE out, const void* text, DWORD count, LPDWORD written, LPVOID) {
  if (!text) return FALSE;
  return write_out(out, std::string(static_cast<const char*>(text), count), count, written);
}

// UTF-16 code units written as UTF-8 (unpaired surrogates as U+FFFD).
BOOL WriteConsoleW(HANDLE out, const void* text, DWORD count, LPDWORD written, LPVOID) {
  if (!text) return FALSE;
  auto* w = static_cast<const char16_t*>(text);
  std::string bytes;
  for (DWORD i = 0; i < count; i++) {
    uint32_t c = w[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < count && w[i + 1] >= 0xDC00 && w[i + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (w[i + 1] - 0xDC00);
      i++;
    } else if (c >= 0xD800 && c < 0xE000) {
      c = 0xFFFD;
    }
    if (c < 0x80) {
      bytes += static_cast<char>(c);
    } else if (c < 0x800) {
      bytes += static_cast<char>(0xC0 | (c >> 6));
      bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      bytes += static_cast<char>(0xE0 | (c >> 12));
      bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      bytes += static_cast<char>(0xF0 | (c >> 18));
      bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      bytes += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return write_out(out, bytes, count, written);
}

/* ---------------------------------------------------------------------------
 * Time
 * ------------------------------------------------------------------------- */

// Days from 1970-01-01 to a proleptic Gregorian date (era and day-of-era arithmetic).
static int64_t days_from_civil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  int64_t era = (y >= 0 ? y : y - 399) / 400;
  unsigned yoe = static_cast<unsigned>(y - era * 400);
  unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

static void civil_from_days(int64_t z, int64_t& y, unsigned& m, unsigned& d) {
  z += 719468;
  int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  unsigned doe = static_cast<unsigned>(z - era * 146097);
  unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  unsigned mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp < 10 ? mp + 3 : mp - 9;
  y = static_cast<int64_t>(yoe) + era * 400 + (m <= 2);
}

void GetSystemTime(LPSYSTEMTIME st) {
  if (!st) return;
  int64_t ms = g_fixed_clock;
  if (ms < 0) {
    timespec ts;
    clock_gettime(CLOCK_REALTIME, &ts);
    ms = static_cast<int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
  }
  int64_t days = ms / 86400000, rest = ms % 86400000;
  int64_t y;
  unsigned m, d;
  civil_from_days(days, y, m, d);
  st->wYear = static_cast<WORD>(y);
  st->wMonth = static_cast<WORD>(m);
  st->wDay = static_cast<WORD>(d);
  st->wDayOfWeek = static_cast<WORD>((days + 4) % 7);  // 1970-01-01 was a Thursday
  st->wHour = static_cast<WORD>(rest / 3600000);
  st->wMinute = static_cast<WORD>(rest / 60000 % 60);
  st->wSecond = static_cast<WORD>(rest / 1000 % 60);
  st->wMilliseconds = static_cast<WORD>(rest % 1000);
}

// 100-nanosecond intervals since 1601-01-01; the day of the week is ignored.
BOOL SystemTimeToFileTime(const SYSTEMTIME* st, LPFILETIME ft) {
  if (!st || !ft) return FALSE;
  static const unsigned kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (st->wYear < 1601 || st->wYear > 30827 || st->wMonth < 1 || st->wMonth > 12 || st->wDay < 1 ||
      st->wDay > kDays[st->wMonth - 1] || st->wHour > 23 || st->wMinute > 59 || st->wSecond > 59 ||
      st->wMilliseconds > 999)
    return FALSE;
  bool leap = (st->wYear % 4 == 0 && st->wYear % 100 != 0) || st->wYear % 400 == 0;
  if (st->wMonth == 2 && st->wDay == 29 && !leap) return FALSE;
  int64_t days = days_from_civil(st->wYear, st->wMonth, st->wDay) - days_from_civil(1601, 1, 1);
  int64_t ms =
      ((days * 24 + st->wHour) * 60 + st->wMinute) * 60000 + st->wSecond * 1000 + st->wMilliseconds;
  uint64_t t = static_cast<uint64_t>(ms) * 10000;
  ft->dwLowDateTime = static_cast<DWORD>(t);
  ft->dwHighDateTime = static_cast<DWORD>(t >> 32);
  return TRUE;
}

DWORD GetTickCount() {
  timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<DWORD>(static_cast<uint64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000);
}

void Sleep(DWORD ms) {
  if (ms == 0) {
    sched_yield();
    return;
  }
  timespec ts = {static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000};
  nanosleep(&ts, nullptr);
}

BOOL QueryPerformanceFrequency(LARGE_INTEGER* frequency) {
  if (!frequency) return FALSE;
  frequency->QuadPart = 1000000000;
  return TRUE;
}

BOOL QueryPerformanceCounter(LARGE_INTEGER* count) {
  if (!count) return FALSE;
  timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  count->QuadPart = static_cast<long long>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
  return TRUE;
}
