// Small classes the runtime tests run.
#include "test_classes.h"

#include "java/lang/RuntimeException.h"
#include "java/lang/String.h"

using java::lang::Object;
using java::lang::Thread;

namespace test {

std::vector<std::string> init_log;
int task_runs;
static std::vector<std::function<void()>> g_bodies;

jint worker_body(std::function<void()> body) {
  g_bodies.push_back(std::move(body));
  return static_cast<jint>(g_bodies.size() - 1);
}

ClassDecl Node::klass = {
    .name = "test/Node",
    .super = &Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(next)},
    .defaultCtor = &Node::init,
    .methods = {impl(Object::m_toString, &Node::toString)},
};
void Node::init(Ref self) { Object::init(self); }
Ref Node::toString(Ref) { return lit("node"); }

ClassDecl Pair::klass = {
    .name = "test/Pair",
    .super = &Node::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(other)},
};
void Pair::init(Ref self) { Node::init(self); }

ClassDecl Shape::klass = {
    .name = "test/Shape",
    .super = &Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = &Shape::init,
    .methods = {impl(m_area, &Shape::area), impl(m_scaled, &Shape::scaled)},
};
void Shape::init(Ref self) { Object::init(self); }
jint Shape::area(Ref) { return 0; }
jint Shape::scaled(Ref self, jint k) { return k * vcall(m_area, self); }

ClassDecl Square::klass = {
    .name = "test/Square",
    .super = &Shape::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = &Square::init,
    .methods = {impl(Shape::m_area, &Square::area), impl(m_sides, &Square::sides)},
};
void Square::init(Ref self) { Shape::init(self); }
jint Square::area(Ref) { return 16; }
jint Square::sides(Ref) { return 4; }

ClassDecl BigSquare::klass = {
    .name = "test/BigSquare",
    .super = &Square::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
};
void BigSquare::init(Ref self) { Square::init(self); }

ClassDecl Counter::klass = {
    .name = "test/Counter",
    .super = &Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = &Counter::init,
    .methods = {impl(m_count, &Counter::count)},
};
void Counter::init(Ref self) { Object::init(self); }
jint Counter::count(Ref) { return 7; }

ClassDecl Named::klass = {
    .name = "test/Named",
    .flags = CLS_INTERFACE,
    .methods = {abstract_method(m_name)},
};

ClassDecl Titled::klass = {
    .name = "test/Titled",
    .interfaces = {&Named::klass},
    .flags = CLS_INTERFACE,
    .methods = {abstract_method(m_title)},
};

ClassDecl Book::klass = {
    .name = "test/Book",
    .super = &Object::klass,
    .interfaces = {&Titled::klass},
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = &Book::init,
    .methods = {impl(m_name, &Book::name), impl(m_title, &Book::title)},
};
void Book::init(Ref self) { Object::init(self); }
Ref Book::name(Ref) { return lit("book"); }
Ref Book::title(Ref) { return lit("Title"); }

ClassDecl Worker::klass = {
    .name = "test/Worker",
    .super = &Thread::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .methods = {impl(Thread::m_run, &run_entry<&Worker::run>)},
};
void Worker::init(Ref self, jint id) {
  Thread::init(self);
  f(self).id = id;
}
void Worker::run(Ref self) { g_bodies[f(self).id](); }

ClassDecl Task::klass = {
    .name = "test/Task",
    .super = &Object::klass,
    .interfaces = {&java::lang::Runnable::klass},
    .instanceSize = JAVA_INSTANCE_SIZE,
    .methods = {impl(m_run, &Task::run)},
};
void Task::init(Ref self) { Object::init(self); }
void Task::run(Ref) { task_runs++; }

ClassDecl Headless::klass = {
    .name = "test/Headless",
    .super = &Thread::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
};
void Headless::init(Ref self) { Thread::init(self); }

ClassDecl Keeper::klass = {
    .name = "test/Keeper",
    .super = &Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .classInit = &Keeper::clinit,
    .staticWords = JAVA_STATIC_WORDS,
};
void Keeper::clinit() {
  S().inits++;
  S().kept = jnew<Keeper>();  // makes an instance of its own class while initialising
}
void Keeper::init(Ref self) { Object::init(self); }

ClassDecl InitBase::klass = {
    .name = "test/InitBase",
    .super = &Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .classInit = &InitBase::clinit,
};
void InitBase::clinit() { init_log.push_back("base"); }
void InitBase::init(Ref self) { Object::init(self); }

ClassDecl InitDerived::klass = {
    .name = "test/InitDerived",
    .super = &InitBase::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .classInit = &InitDerived::clinit,
};
void InitDerived::clinit() { init_log.push_back("derived"); }
void InitDerived::init(Ref self) { InitBase::init(self); }

ClassDecl InitThrows::klass = {
    .name = "test/InitThrows",
    .super = &Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .classInit = &InitThrows::clinit,
};
void InitThrows::clinit() {
  init_log.push_back("throws");
  jthrow(jnew<java::lang::RuntimeException>(lit("init failed")));
}

ClassDecl Resource::klass = {
    .name = "test/Resource",
    .super = &Object::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
};
void Resource::init(Ref self) { Object::init(self); }

std::vector<ClassDecl*> all() {
  return {&Node::klass,   &Pair::klass,     &Shape::klass,    &Square::klass,
          &BigSquare::klass, &Counter::klass, &Named::klass,  &Titled::klass,
          &Book::klass,   &Worker::klass,   &Task::klass,     &Headless::klass,
          &Keeper::klass, &InitBase::klass, &InitDerived::klass, &InitThrows::klass,
          &Resource::klass};
}

}  // namespace test
