// Natives of java/lang/Thread over the thread package, and the hosted program's start-up.
#pragma once

#include "runtime/rt.h"
#include "threads/coop.h"

void coop_thread_start(Ref thread);
void coop_thread_sleep(jlong millis);
void coop_thread_yield();
Ref coop_thread_current();
jbool coop_thread_is_alive(Ref thread);
jint coop_thread_active_count();
void coop_thread_set_priority0(Ref thread, jint priority);

// The record whose `arg` is the object, first match from the head; null when none.
ThreadRecord* coop_thread_record(Ref thread);

// Body of the hosted program's main thread: cut the exception chain, initialise every
// class in index order, call main with a null array, then yield for ever.
void coop_application_entry(void* ignored);
extern void (*coop_application_main)(Ref args);
