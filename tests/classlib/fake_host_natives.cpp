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
  bool hasField = rt_record(rt_class_of(object))->instanceSize >= RT_HEADER_SIZE + sizeof(jint);
  host_log.released.push_back({className, hasField ? rt_get_int(object, 0) : 0});
  net_release_resources(object, className);
}

void host_fatal_display(const char* text) { host_log.fatals.push_back(text ? text : "null"); }
