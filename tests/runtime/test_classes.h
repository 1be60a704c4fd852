// Small classes the runtime tests run: layouts, overrides, interfaces, threads, statics.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "java/lang/Thread.h"

namespace test {

// A boolean then a reference: the reference sits at an odd offset.
struct Node {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jbool flag;
    Ref next;
    jint value;
  };
  JAVA_FIELDS(java::lang::Object)
  static void init(Ref self);
  static Ref toString(Ref self);
};

// Node plus a second reference: fields of two classes are traced.
struct Pair {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    Ref other;
  };
  JAVA_FIELDS(Node)
  static void init(Ref self);
};

struct Shape {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::lang::Object)
  static inline Method<jint(Ref)> m_area{"area()", &klass};
  static inline Method<jint(Ref, jint)> m_scaled{"scaled(I)", &klass};
  static void init(Ref self);
  static jint area(Ref self);
  static jint scaled(Ref self, jint k);
};

struct Square {
  static ClassDecl klass;
  JAVA_NO_FIELDS(Shape)
  static inline Method<jint(Ref)> m_sides{"sides()", &klass};
  static void init(Ref self);
  static jint area(Ref self);
  static jint sides(Ref self);
};

// Overrides nothing: inherits everything through the chain.
struct BigSquare {
  static ClassDecl klass;
  JAVA_NO_FIELDS(Square)
  static void init(Ref self);
};

// Unrelated to Shape: its first new method reuses Shape.area's number.
struct Counter {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::lang::Object)
  static inline Method<jint(Ref)> m_count{"count()", &klass};
  static void init(Ref self);
  static jint count(Ref self);
};

struct Named {
  static ClassDecl klass;
  static inline Method<Ref(Ref)> m_name{"name()", &klass};
};

struct Titled {  // extends Named
  static ClassDecl klass;
  static inline Method<Ref(Ref)> m_title{"title()", &klass};
};

struct Book {  // implements Titled
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::lang::Object)
  static inline Method<Ref(Ref)> m_name{"name()", &klass};
  static inline Method<Ref(Ref)> m_title{"title()", &klass};
  static void init(Ref self);
  static Ref name(Ref self);
  static Ref title(Ref self);
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

// A runnable (not a thread) that records its runs.
struct Task {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::lang::Object)
  static inline Method<void(Ref)> m_run{"run()", &klass};
  static void init(Ref self);
  static void run(Ref self);
};
extern int task_runs;

// A thread class that lists no run entry of its own.
struct Headless {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::lang::Thread)
  static void init(Ref self);
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
  JAVA_NO_FIELDS(java::lang::Object)
  static void clinit();
  static void init(Ref self);
};

struct InitBase {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::lang::Object)
  static void clinit();
  static void init(Ref self);
};
struct InitDerived {
  static ClassDecl klass;
  JAVA_NO_FIELDS(InitBase)
  static void clinit();
  static void init(Ref self);
};
struct InitThrows {
  static ClassDecl klass;
  JAVA_NO_FIELDS(java::lang::Object)
  static void clinit();
};
extern std::vector<std::string> init_log;

// An object whose release the host is told about by class name.
struct Resource {
  static ClassDecl klass;
  struct RT_PACKED Fields {
    jint handle;
  };
  JAVA_FIELDS(java::lang::Object)
  static void init(Ref self);
};

std::vector<ClassDecl*> all();

}  // namespace test
