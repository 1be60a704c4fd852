// Core native module: its natives (threads, system) need no start-up of their own.
#include "natives/modules.h"

int Cldc10Core_start() { return 1; }
void Cldc10Core_stop() {}
