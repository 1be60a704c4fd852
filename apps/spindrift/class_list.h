// Spindrift's class list.
#pragma once
#include <vector>

#include "runtime/class_decl.h"

namespace spindrift {

// The application's classes after the core library and palm profile classes they reach,
// in class-index order.
std::vector<ClassDecl*> classes();

}  // namespace spindrift
