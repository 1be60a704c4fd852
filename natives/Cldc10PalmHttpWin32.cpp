// Cldc10PalmHttpWin32 native module.
#include "natives/modules.h"

int Cldc10PalmHttpWin32_start() { return 1; }
void Cldc10PalmHttpWin32_stop() {}
