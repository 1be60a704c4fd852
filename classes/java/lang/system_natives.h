// The host's system natives that the language classes and the console stream call.
#pragma once
#include "host/natives.h"

// Weak references: a program that only exercises the runtime (and never calls these)
// links without the host module; every program that can call them links the host.
#define PALM_HOST_NATIVE __attribute__((weak))

PALM_HOST_NATIVE void sys_array_copy(Ref src, jint srcPos, Ref dst, jint dstPos, jint length);
PALM_HOST_NATIVE jlong sys_current_time_millis();
PALM_HOST_NATIVE const char* sys_get_property(Ref key);
PALM_HOST_NATIVE void sys_exit(Ref runtime, jint status);
PALM_HOST_NATIVE jlong sys_free_memory(Ref runtime);
PALM_HOST_NATIVE jlong sys_total_memory(Ref runtime);
PALM_HOST_NATIVE void con_write_char(jint c);
