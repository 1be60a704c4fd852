// Orbitale's class list.
#pragma once
#include <vector>

#include "runtime/class_decl.h"

namespace orbitale {

// The core library, the palm profile, the window toolkit, then the application's classes,
// in class-index order.
std::vector<ClassDecl*> classes();

}  // namespace orbitale
