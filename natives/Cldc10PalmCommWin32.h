// Cldc10PalmCommWin32: the serial-port entry points, present but not implemented.
#pragma once
#include "runtime/rt.h"

// Each tests its references in order (error 1 for the first null one, result 0), then
// reports error 18, "Method not implemented", with the result shown.
void comm_c1(Ref self);            // none
jint comm_c2(Ref self, Ref arg);   // -1
void comm_c3(Ref self);            // none
void comm_c4(Ref self, Ref arg);   // none
