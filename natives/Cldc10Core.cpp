// Core native module: its natives (threads, system) need no start-up of their own; the
// refusal every stub module gives.
#include "natives/modules.h"

int Cldc10Core_start() { return 1; }
void Cldc10Core_stop() {}

bool stub_refuse(std::initializer_list<Ref> refs) {
  rt_take_error();
  for (Ref r : refs)
    if (!r) return rt_set_error(ERR_NULL_POINTER, __LINE__), false;
  rt_set_error(ERR_NOT_IMPLEMENTED, __LINE__);
  return true;
}
