// The toolkit test program's class list.
#pragma once
#include <vector>

#include "runtime/class_decl.h"

namespace widgets {

// The core library, the palm profile, the toolkit, then the program's classes.
std::vector<ClassDecl*> classes();

}  // namespace widgets
