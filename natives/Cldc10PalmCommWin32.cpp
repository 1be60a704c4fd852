// Cldc10PalmCommWin32 native module: serial-port entry points that only refuse.
#include "natives/Cldc10PalmCommWin32.h"

#include "natives/modules.h"

int Cldc10PalmCommWin32_start() { return 1; }
void Cldc10PalmCommWin32_stop() {}

void comm_c1(Ref self) { stub_refuse({self}); }
jint comm_c2(Ref self, Ref arg) { return stub_refuse({self, arg}) ? -1 : 0; }
void comm_c3(Ref self) { stub_refuse({self}); }
void comm_c4(Ref self, Ref arg) { stub_refuse({self, arg}); }
