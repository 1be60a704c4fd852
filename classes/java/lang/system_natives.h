// The host's system natives that the language classes and the console stream call. Every
// program links the host's; test programs link doubles of their own.
#pragma once
#include "host/natives.h"

void sys_array_copy(Ref src, jint srcPos, Ref dst, jint dstPos, jint length);
jlong sys_current_time_millis();
const char* sys_get_property(Ref key);
void sys_exit(Ref runtime, jint status);
jlong sys_free_memory(Ref runtime);
jlong sys_total_memory(Ref runtime);
void con_write_char(jint c);
