// Console, properties and clock: console output, the fatal display, the system property
// table, the wall clock, array copying, memory figures, exit and resource release.
#include <cstring>

#include "host/host.h"
#include "host/modules.h"
#include "host/natives.h"

/* ---------------------------------------------------------------------------
 * Console
 * ------------------------------------------------------------------------- */

static HANDLE console_out() {
  if (!host.console) return nullptr;
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  return out == INVALID_HANDLE_VALUE ? nullptr : out;
}

void con_write_line(const char* text) {
  HANDLE out = console_out();
  if (!out) return;
  if (!text) text = "null";
  DWORD n;
  WriteConsoleA(out, text, static_cast<DWORD>(strlen(text)), &n, nullptr);
  WriteConsoleA(out, "\n", 1, &n, nullptr);
}

void con_write_char(jint c) {
  HANDLE out = console_out();
  if (!out) return;
  WCHAR unit = static_cast<WCHAR>(c & 0xFFFF);
  DWORD n;
  WriteConsoleW(out, &unit, 1, &n, nullptr);
}

/* ---------------------------------------------------------------------------
 * System properties
 * ------------------------------------------------------------------------- */

const char* sys_get_property(Ref key) { return host_property(key, host.colour); }

/* ---------------------------------------------------------------------------
 * Clock
 * ------------------------------------------------------------------------- */

static int64_t file_time_now(const SYSTEMTIME& st) {
  FILETIME ft;
  if (!SystemTimeToFileTime(&st, &ft)) return 0;
  return static_cast<int64_t>((static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime);
}

jlong sys_current_time_millis() {
  if (!host.epoch) {
    SYSTEMTIME epoch = {1970, 1, 0, 1, 0, 0, 0, 0};
    host.epoch = file_time_now(epoch);
  }
  SYSTEMTIME now;
  GetSystemTime(&now);
  return (file_time_now(now) - host.epoch) / 10000;
}

/* ---------------------------------------------------------------------------
 * Arrays, memory, exit
 * ------------------------------------------------------------------------- */

void sys_array_copy(Ref src, jint srcPos, Ref dst, jint dstPos, jint length) {
  rt_array_copy(src, srcPos, dst, dstPos, length);
}

// The window closes when the message pump handles WM_CLOSE; the status goes no further.
void sys_exit(Ref, jint status) {
  PostMessageA(host.window, WM_CLOSE, static_cast<WPARAM>(static_cast<uint32_t>(status)), 0);
}

jlong sys_free_memory(Ref) { return rt_free_memory(); }
jlong sys_total_memory(Ref) { return rt_total_memory(); }

static jint not_implemented(Ref object) {
  rt_take_error();
  rt_set_error(object ? ERR_NOT_IMPLEMENTED : ERR_NULL_POINTER, __LINE__);
  return 0;
}
jint sys_not_implemented(Ref object) { return not_implemented(object); }
jint sys_not_implemented2(Ref object) { return not_implemented(object); }
void sys_not_implemented3(Ref object) { not_implemented(object); }
