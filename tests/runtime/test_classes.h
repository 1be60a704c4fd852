// Small classes the runtime tests run: layouts, overrides, interfaces, threads, statics.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "java/lang/Thread.h"
#include "program.h"

namespace test {

using java::lang::Object;

// A boolean then a reference: the reference sits at an odd offset.
struct Node {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jbool flag;
    Ref next;
    jint value;
  };
  JAVA_FIELDS(Object)
  static void init(Ref self) { Object::init(self); }
  static Ref toString(Ref) { return lit("node"); }
};

// Node plus a second reference: fields of two classes are traced.
struct Pair {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref other;
  };
  JAVA_FIELDS(Node)
  static void init(Ref self) { Node::init(self); }
};

struct Shape {
  static ClassDecl klass;
  JAVA_NO_FIELDS(Object)
  static inline Method<jint(Ref)> m_area{"area()", &klass};
  static inline Method<jint(Ref, jint)> m_scaled{"scaled(I)", &klass};
  static void init(Ref self) { Object::init(self); }
  static jint area(Ref) { return 0; }
  static jint scaled(Ref self, jint k) { return k * vcall(m_area, self); }
};

struct Square {
  static ClassDecl klass;
  JAVA_NO_FIELDS(Shape)
  static inline Method<jint(Ref)> m_sides{"sides()", &klass};
  static void init(Ref self) { Shape::init(self); }
  static jint area(Ref) { return 16; }
  static jint sides(Ref) { return 4; }
};

// Overrides nothing: inherits everything through the chain.
struct BigSquare {
  static ClassDecl klass;
  JAVA_NO_FIELDS(Square)
  static void init(Ref self) { Square::init(self); }
};

struct Named {
  static ClassDecl klass;
  static inline Method<Ref(Ref)> m_name{"name()", &klass};
};

struct Titled {  // extends Named
  static ClassDecl klass;
  static inline Method<Ref(Ref)> m_title{"title()", &klass};
};

// Implements Titled by naming the interfaces' own slots.
struct Book {
  static ClassDecl klass;
  JAVA_NO_FIELDS(Object)
  static void init(Ref self) { Object::init(self); }
  static Ref name(Ref) { return lit("book"); }
  static Ref title(Ref) { return lit("Title"); }
};

// A thread whose run() calls a C++ body chosen by its `id` field.
struct Worker {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint id;
  };
  JAVA_FIELDS(java::lang::Thread)
  static void init(Ref self, jint id);
  static void run(Ref self);
};
// Registers a body and gives its id.
jint worker_body(std::function<void()> body);

// A runnable (not a thread) that counts its runs in task_runs.
extern int task_runs;
struct Task {
  static ClassDecl klass;
  JAVA_NO_FIELDS(Object)
  static inline Method<void(Ref)> m_run{"run()", &klass};
  static void init(Ref self) { Object::init(self); }
  static void run(Ref) { task_runs++; }
};

// A thread class that lists no run entry of its own.
struct Headless {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::lang::Thread)
  static void init(Ref self) { java::lang::Thread::init(self); }
};

// Statics: a reference kept only by a static field; an initializer that makes an
// instance of its own class; an initialisation log across two classes.
struct Keeper {
  static ClassDecl klass;
  struct Statics {
    Ref kept;
    jint inits;
  };
  JAVA_STATICS
  JAVA_NO_FIELDS(Object)
  static void clinit();
  static void init(Ref self) { Object::init(self); }
};

extern std::vector<std::string> init_log;
struct InitBase {
  static ClassDecl klass;
  JAVA_NO_FIELDS(Object)
  static void clinit() { init_log.push_back("base"); }
};
struct InitDerived {
  static ClassDecl klass;
  JAVA_NO_FIELDS(InitBase)
  static void clinit() { init_log.push_back("derived"); }
};
struct InitThrows {
  static ClassDecl klass;
  JAVA_NO_FIELDS(Object)
  static void clinit();
};

std::vector<ClassDecl*> all();

}  // namespace test

// References kept out of the collector's sight. The key is read from memory at every use, so
// the compiler cannot keep an unhidden copy in a register across a collection.
inline volatile uintptr_t g_key = 0x5a5a5a5a;
inline uintptr_t hide(Ref r) { return reinterpret_cast<uintptr_t>(r) ^ g_key; }
inline Ref unhide(uintptr_t h) { return reinterpret_cast<Ref>(h ^ g_key); }
// Looks a hidden reference up in a frame of its own: a caller that unhid it itself could keep
// the plain reference in a dead local (WebAssembly saves every local of a suspended frame).
__attribute__((noinline)) inline bool live(uintptr_t h) { return rt_is_live_object(unhide(h)); }
// A collection that stale words in the caller's dead frames cannot keep anything from: the
// scrub runs in the caller's frame.
[[gnu::always_inline]] inline void collect() {
  scrub_stack();
  rt_collect();
}
// A node that nothing references, made in a frame of its own.
__attribute__((noinline)) inline uintptr_t fresh_hidden_node() { return hide(jnew<test::Node>()); }

// The classes every runtime test program carries, in class-index order, then `extra`.
std::vector<ClassDecl*> core_classes(std::vector<ClassDecl*> extra = {});

// A test whose body runs as the head thread of a program with the core and test classes.
#define PROGRAM_TEST(suite, name)                                                \
  void suite##_##name();                                                         \
  TEST(suite, name) { run_program(core_classes(test::all()), &suite##_##name); } \
  void suite##_##name()
