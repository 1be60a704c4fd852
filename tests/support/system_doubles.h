// Doubles of the host's system natives for test programs that do not link the host. They
// follow the natives' contracts and record what they see.
#pragma once
#include <string>
#include <vector>

#include "runtime/rt.h"

struct SystemLog {
  std::u16string console;  // every con_write_char, in order
  std::vector<jint> exits;
  bool colour = true;  // "kawt.colordepth" is "8" when on
};
extern SystemLog system_log;
