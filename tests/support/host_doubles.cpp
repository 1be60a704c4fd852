// Doubles of the host's runtime hooks and system natives, for test programs that do not link
// the host: they record what they see in host_log and otherwise do what the host does, with
// the host's own module start, release table and property table.
#include <chrono>

#include "host/modules.h"
#include "java/lang/system_natives.h"
#include "program.h"

int natives_init() {
  host_log.nativesStarted++;
  return host_start_modules();
}

void natives_shutdown() {
  host_log.nativesStopped++;
  host_stop_modules();
}

void host_release_resources(Ref object, const char* className) {
  if (!object || !className) return;
  host_log.released.push_back(className);
  host_release_natives(object, className);
}

void host_fatal_display(const char* text) {
  host_log.fatals.push_back(text ? text : "null");
  if (host_log.fatalThrows) throw FatalReport{host_log.fatals.back()};
}

void con_write_char(jint c) { host_log.console.push_back(static_cast<char16_t>(c & 0xffff)); }
const char* sys_get_property(Ref key) { return host_property(key, host_log.colour); }

jlong sys_current_time_millis() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

void sys_array_copy(Ref src, jint srcPos, Ref dst, jint dstPos, jint length) {
  rt_array_copy(src, srcPos, dst, dstPos, length);
}

void sys_exit(Ref, jint status) { host_log.exits.push_back(status); }
jlong sys_free_memory(Ref) { return rt_free_memory(); }
jlong sys_total_memory(Ref) { return rt_total_memory(); }
