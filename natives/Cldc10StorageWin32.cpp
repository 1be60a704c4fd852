// Cldc10StorageWin32 native module.
#include "natives/modules.h"

int Cldc10StorageWin32_start() { return 1; }
void Cldc10StorageWin32_stop() {}
