// Cldc10NetworkWin32 native module.
#include "natives/modules.h"

int Cldc10NetworkWin32_start() { return 1; }
void Cldc10NetworkWin32_stop() {}
