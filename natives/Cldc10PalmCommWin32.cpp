// Cldc10PalmCommWin32 native module: serial-port entry points that only refuse.
#include "natives/Cldc10PalmCommWin32.h"

#include <initializer_list>

#include "natives/modules.h"

int Cldc10PalmCommWin32_start() { return 1; }
void Cldc10PalmCommWin32_stop() {}

// Clears the pending error, then leaves error 1 for the first missing reference or
// error 18 when all are there; true in the second case.
static bool refuse(std::initializer_list<Ref> refs) {
  rt_take_error();
  for (Ref r : refs)
    if (!r) return rt_set_error(ERR_NULL_POINTER, __LINE__), false;
  rt_set_error(ERR_NOT_IMPLEMENTED, __LINE__);
  return true;
}

void comm_c1(Ref self) { refuse({self}); }
jint comm_c2(Ref self, Ref arg) { return refuse({self, arg}) ? -1 : 0; }
void comm_c3(Ref self) { refuse({self}); }
void comm_c4(Ref self, Ref arg) { refuse({self, arg}); }
