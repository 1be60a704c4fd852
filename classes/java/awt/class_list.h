// The window toolkit's classes as a program's class list takes them.
#pragma once
#include <vector>

#include "runtime/class_decl.h"

// In class-index order, after the core library's and the palm profile's classes: events and
// listeners, values, colours and fonts, drawing, components, dispatch, then the toolkit and
// its palm implementation package, whose classes are found by name at start.
std::vector<ClassDecl*> toolkit_classes();
