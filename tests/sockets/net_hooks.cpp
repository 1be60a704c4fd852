// The host hooks of the socket test program, as the host gives them for this one module.
#include "natives/modules.h"
#include "net_program.h"

int natives_init() { return Cldc10NetworkWin32_start(); }
void natives_shutdown() { Cldc10NetworkWin32_stop(); }
void host_release_resources(Ref object, const char* className) {
  if (net_release_resources(object, className)) nettest::released.push_back(className);
}
void host_fatal_display(const char*) {}
