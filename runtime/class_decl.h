// Class declarations: what each class file states about its class, and the builder that
// turns a program's list of them into the class table, selectors and statics area.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/rt.h"

struct ClassDecl;

// Operations of a class that reach further than the class's other code: a program carries
// what they reach, and their static fields, only when one of its classes names them.
struct Operations {
  const char* name;
  std::vector<const ClassDecl*> classes;
  std::vector<Operations*> operations;
  size_t staticWords = 0;
  uintptr_t* statics = nullptr;  // filled in by the builder; null when the program lacks them
};

// One virtual method signature as introduced by its owner class. Overrides name the
// owner's slot, so they keep its selector; the builder numbers the slots. A class that
// implements an interface names the interface's slot and gets a selector of its own for it.
struct MethodSlot {
  const char* signature;  // e.g. "toString()"; one interface selector per signature
  const ClassDecl* owner;
  uint16_t vsel = 0;
  uint16_t isel = 0;
  constexpr MethodSlot(const char* sig, const ClassDecl* cls) : signature(sig), owner(cls) {}
};

struct MethodImpl {
  MethodSlot* slot;
  void* code;  // null: abstract, the slot gets its selector but no entry
  // Set: the method (and the slot, if it introduces one) is part of the class only in
  // programs that name these operations; elsewhere its selector stays unassigned.
  const Operations* only = nullptr;
};

// The selector of a slot that the program lacks.
constexpr uint16_t RT_NO_SELECTOR = 0xffff;

struct ClassDecl {
  const char* name;
  const ClassDecl* super = nullptr;  // null for java/lang/Object and for array classes
  std::vector<const ClassDecl*> interfaces;
  size_t instanceSize = RT_HEADER_SIZE;
  std::vector<size_t> refOffsets;  // reference fields this class itself declares
  uint16_t flags = 0;
  void (*classInit)() = nullptr;
  void (*defaultCtor)(Ref) = nullptr;  // null: inherited from the superclass
  void* ctor1 = nullptr;               // throwables: T(String); java/lang/String: String(char[])
  std::vector<MethodImpl> methods;
  size_t staticWords = 0;
  // What the class's code reaches beyond its superclass and interfaces: classes, and
  // operations of other classes that a program carries only when someone names them.
  std::vector<const ClassDecl*> uses;
  std::vector<Operations*> reaches;
  // Filled in by the builder.
  int16_t index = -1;
  uintptr_t* statics = nullptr;
};

// An array class is known by its name alone ("[C", "[[I", "[Ljava/lang/String;").
ClassDecl rt_array_class(const char* name);

// A program's classes: those of `library` (in class-index order) that `roots` reach through
// superclasses, interfaces, element classes, uses and named operations, kept in that order.
// A reached class missing from `library` is a build error.
std::vector<ClassDecl*> rt_reached_classes(const std::vector<ClassDecl*>& library,
                                           const std::vector<const ClassDecl*>& roots);

// Builds the table for a program's classes in class-index order and returns the image to
// register. The storage lives until the next build.
const ProgramImage& rt_build_program(const std::vector<ClassDecl*>& classes);
