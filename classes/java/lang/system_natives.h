// The host's system natives that the language classes call (console, properties, clock,
// array copy, memory figures, exit).
#pragma once
#include "runtime/rt.h"

// Weak until every program that links the class library also links the host module: a
// program that only exercises the runtime (and never calls these) still links.
#define PALM_HOST_NATIVE __attribute__((weak))

PALM_HOST_NATIVE void sys_array_copy(Ref src, jint srcPos, Ref dst, jint dstPos, jint length);
PALM_HOST_NATIVE jlong sys_current_time_millis();
PALM_HOST_NATIVE const char* sys_get_property(Ref key);  // null: no such property
PALM_HOST_NATIVE void sys_exit(Ref runtime, jint status);
PALM_HOST_NATIVE jlong sys_free_memory(Ref runtime);
PALM_HOST_NATIVE jlong sys_total_memory(Ref runtime);
PALM_HOST_NATIVE void con_write_char(jint c);  // low 16 bits: one UTF-16 code unit
