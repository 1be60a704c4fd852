// Cldc10PalmCommWin32 native module.
#include "natives/modules.h"

int Cldc10PalmCommWin32_start() { return 1; }
void Cldc10PalmCommWin32_stop() {}
