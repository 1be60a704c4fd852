// Class lists a program's table is built from: the library classes every program carries.
#pragma once
#include <vector>

#include "runtime/class_decl.h"

// What the runtime itself needs, in class-index order: Object, Class, String, the common
// array classes, Thread and Runnable, Throwable and every class the error table throws.
// (In a file of its own, so that a program linking only these pulls nothing else in.)
std::vector<ClassDecl*> runtime_classes();

// The core library in class-index order, starting with runtime_classes(), array classes
// included: the language classes, streams and encodings, the connector with every handler
// it can find by name, and the collections. java/lang/System comes before
// com/sun/cldc/i18n/Helper, so that the console stream is made before the encoding helper
// starts.
std::vector<ClassDecl*> cldc_core_classes();

// The core classes found only by name at run time: every protocol handler, the encoding
// converters and the default case converter.
std::vector<const ClassDecl*> by_name_classes();

// A program's class list: of `library` followed by `application` (each in class-index
// order), the classes reached from the runtime's classes, the by-name classes, `byName`
// (further classes the program finds by name) and every application class.
std::vector<ClassDecl*> program_classes(const std::vector<ClassDecl*>& library,
                                        const std::vector<ClassDecl*>& application,
                                        const std::vector<const ClassDecl*>& byName = {});
