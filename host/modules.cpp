// Native modules: their start and stop in order, and the release table.
#include "host/modules.h"

#include <cstring>

#include "host/db.h"
#include "natives/modules.h"
#include "natives/net.h"

int host_start_modules() {
  if (!Cldc10Core_start()) return 0;
  if (!Cldc10NetworkWin32_start()) return 0;
  if (!Cldc10PalmHttpWin32_start()) return 0;
  if (!Cldc10PalmCommWin32_start()) return 0;
  if (!Cldc10StorageWin32_start()) return 0;
  return 1;
}

void host_stop_modules() {
  Cldc10StorageWin32_stop();
  Cldc10PalmCommWin32_stop();
  Cldc10PalmHttpWin32_stop();
  Cldc10NetworkWin32_stop();
  Cldc10Core_stop();
}

void host_release_natives(Ref object, const char* className) {
  if (!object || !className) return;
  if (strcmp(className, "com/sun/kjava/Database") == 0) {
    db_release(object);
    return;
  }
  net_release_resources(object, className);
}
