// Cldc10PalmHttpWin32 native module: HTTP entry points that only refuse.
#include "natives/Cldc10PalmHttpWin32.h"

#include "natives/modules.h"

int Cldc10PalmHttpWin32_start() { return 1; }
void Cldc10PalmHttpWin32_stop() {}

void http_h1(Ref self) { stub_refuse({self}); }
void http_h2(Ref self) { stub_refuse({self}); }

jint http_h3() {
  rt_take_error();
  return 0;
}

jint http_h4() {
  rt_take_error();
  return 0;
}

jint http_h5(Ref self) {
  stub_refuse({self});
  return 0;
}

jint http_h6(Ref self, jint, Ref third) {
  stub_refuse({self, third});
  return 0;
}

void http_h7(Ref self) { stub_refuse({self}); }
