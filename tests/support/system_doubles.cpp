// Doubles of the host's system natives: the property table, clock, array copy, exit and
// console as the host's contracts give them.
#include "system_doubles.h"

#include <chrono>
#include <cstring>

#include "class_code.h"
#include "java/lang/system_natives.h"

SystemLog system_log;

void con_write_char(jint c) { system_log.console.push_back(static_cast<char16_t>(c & 0xffff)); }

// The host's property table: a key matches the first row it equals or is a prefix of.
const char* sys_get_property(Ref key) {
  struct Row {
    const char* key;
    const char* value;
  };
  const Row rows[] = {
      {"microedition.configuration", "cldc"},
      {"microedition.platform", "j2me"},
      {"microedition.protocolpath", nullptr},
      {"microedition.encodingClass", "ISO8859_1"},
      {"microedition.i18npath", nullptr},
      {"microedition.caseConverter", nullptr},
      {"kawt.colordepth", system_log.colour ? "8" : nullptr},
      {"de.kawt.classbase", "de.kawt.impl.kjava"},
  };
  if (!key || !rt_string(key)->value) return nullptr;
  jint n = rt_string(key)->count;
  const jchar* k = elements<jchar>(rt_string(key)->value) + rt_string(key)->offset;
  for (const Row& row : rows) {
    jint i = 0;
    while (i < n && row.key[i] && k[i] == static_cast<unsigned char>(row.key[i])) i++;
    if (i == n) return row.value;
  }
  return "";
}

jlong sys_current_time_millis() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

void sys_array_copy(Ref src, jint srcPos, Ref dst, jint dstPos, jint length) {
  rt_array_copy(src, srcPos, dst, dstPos, length);
}

void sys_exit(Ref, jint status) { system_log.exits.push_back(status); }
jlong sys_free_memory(Ref) { return rt_free_memory(); }
jlong sys_total_memory(Ref) { return rt_total_memory(); }
