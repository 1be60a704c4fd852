// Between the scheduler and a context switch kept in a file of its own (the fiber switch
// of the WebAssembly target).
#pragma once

#include <cstdint>

#include "threads/coop.h"

// Switches from the running thread to `to`; returns 1 when `from` runs again, 0 when it
// never left or when the thread it started ended without yielding.
int coop_switch(ThreadRecord* from, ThreadRecord* to);

// The scheduler's state a switch sets: the running thread, and the failure flag.
void coop_set_current(ThreadRecord* t);
void coop_fail();
