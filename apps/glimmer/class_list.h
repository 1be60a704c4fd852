// Glimmer's class list.
#pragma once
#include <vector>

#include "runtime/class_decl.h"

namespace glimmer {

// The core library, the palm profile, then the application's classes, in class-index order.
std::vector<ClassDecl*> classes();

}  // namespace glimmer
