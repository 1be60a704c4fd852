// Test doubles for the host's hooks, recording what they see; the system natives' doubles
// are the shared ones (tests/support/system_doubles.cpp).
#include "harness.h"
#include "natives/net.h"

HostLog host_log;

int natives_init() { return 1; }
void natives_shutdown() {}

// As the host does: sockets go to the network module's release.
void host_release_resources(Ref object, const char* className) {
  if (!object || !className) return;
  host_log.released.push_back({className, rt_get_int(object, 0)});
  net_release_resources(object, className);
}

void host_fatal_display(const char* text) { host_log.fatals.push_back(text ? text : "null"); }
