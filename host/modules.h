// The native modules as one (started and stopped in order, and what a freed object of theirs
// gives back) and the system property table. The host's runtime hooks and natives call these;
// test programs link the same tables with doubles of the rest of the host.
#pragma once

#include "runtime/rt.h"

int host_start_modules();
void host_stop_modules();
// The release table: a freed database closes its name file, a freed connection its socket.
void host_release_natives(Ref object, const char* className);

// The system property table: the value of the first row that key equals or is a prefix
// of, "" when none is, null for null-valued rows (and for the colour depth without colour).
const char* host_property(Ref key, int colour);
