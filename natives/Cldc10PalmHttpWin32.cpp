// Cldc10PalmHttpWin32 native module: HTTP entry points that only refuse.
#include "natives/Cldc10PalmHttpWin32.h"

#include <initializer_list>

#include "natives/modules.h"

int Cldc10PalmHttpWin32_start() { return 1; }
void Cldc10PalmHttpWin32_stop() {}

// Clears the pending error, then leaves error 1 for the first missing reference or
// error 18 when all are there.
static void refuse(std::initializer_list<Ref> refs) {
  rt_take_error();
  for (Ref r : refs)
    if (!r) return rt_set_error(ERR_NULL_POINTER, __LINE__);
  rt_set_error(ERR_NOT_IMPLEMENTED, __LINE__);
}

void http_h1(Ref self) { refuse({self}); }
void http_h2(Ref self) { refuse({self}); }

jint http_h3() {
  rt_take_error();
  return 0;
}

jint http_h4() {
  rt_take_error();
  return 0;
}

jint http_h5(Ref self) {
  refuse({self});
  return 0;
}

jint http_h6(Ref self, jint, Ref third) {
  refuse({self, third});
  return 0;
}

void http_h7(Ref self) { refuse({self}); }
