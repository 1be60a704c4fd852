// The palm profile's classes as a program's class list takes them.
#pragma once
#include <vector>

#include "runtime/class_decl.h"

// The events connection and its stream, the spotlet and its event thread, drawing,
// buttons and bitmaps, in class-index order; they follow the core library's classes.
std::vector<ClassDecl*> palm_profile_classes();
