// The native modules and their start and stop, in the order host_start_modules runs them.
#pragma once

#include <initializer_list>

#include "runtime/rt.h"

int Cldc10Core_start();
void Cldc10Core_stop();
int Cldc10NetworkWin32_start();
void Cldc10NetworkWin32_stop();
int Cldc10PalmHttpWin32_start();
void Cldc10PalmHttpWin32_stop();
int Cldc10PalmCommWin32_start();
void Cldc10PalmCommWin32_stop();
int Cldc10StorageWin32_start();
void Cldc10StorageWin32_stop();

// What every entry point of the stub modules (serial, HTTP, storage interface) does: clears
// the pending error, then leaves error 1 for the first missing reference, or error 18 when
// all are there; true in the second case.
bool stub_refuse(std::initializer_list<Ref> refs);
