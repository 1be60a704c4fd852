// Glimmer's class list.
#pragma once
#include <vector>

#include "runtime/class_decl.h"

namespace glimmer {

// The application's classes after the core library and palm profile classes they reach,
// in class-index order.
std::vector<ClassDecl*> classes();

}  // namespace glimmer
