// Small classes the runtime tests run.
#include "test_classes.h"

#include "class_lists.h"
#include "java/lang/RuntimeException.h"
#include "java/lang/String.h"

using java::lang::Thread;

namespace test {

std::vector<std::string> init_log;
int task_runs;
static std::vector<std::function<void()>> g_bodies;

jint worker_body(std::function<void()> body) {
  g_bodies.push_back(std::move(body));
  return static_cast<jint>(g_bodies.size() - 1);
}

ClassDecl Node::klass = {.name = "test/Node",
                         .super = &Object::klass,
                         .instanceSize = JAVA_INSTANCE_SIZE,
                         .refOffsets = {JAVA_REF(next)},
                         .defaultCtor = &Node::init,
                         .methods = {impl(Object::m_toString, &Node::toString)}};
ClassDecl Pair::klass = {.name = "test/Pair",
                         .super = &Node::klass,
                         .instanceSize = JAVA_INSTANCE_SIZE,
                         .refOffsets = {JAVA_REF(other)}};
ClassDecl Shape::klass = {.name = "test/Shape",
                          .super = &Object::klass,
                          .instanceSize = JAVA_INSTANCE_SIZE,
                          .defaultCtor = &Shape::init,
                          .methods = {impl(m_area, &Shape::area), impl(m_scaled, &Shape::scaled)}};
ClassDecl Square::klass = {
    .name = "test/Square",
    .super = &Shape::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = &Square::init,
    .methods = {impl(Shape::m_area, &Square::area), impl(m_sides, &Square::sides)}};
ClassDecl BigSquare::klass = {
    .name = "test/BigSquare", .super = &Square::klass, .instanceSize = JAVA_INSTANCE_SIZE};
ClassDecl Named::klass = {
    .name = "test/Named", .flags = CLS_INTERFACE, .methods = {abstract_method(m_name)}};
ClassDecl Titled::klass = {.name = "test/Titled",
                           .interfaces = {&Named::klass},
                           .flags = CLS_INTERFACE,
                           .methods = {abstract_method(m_title)}};
ClassDecl Book::klass = {
    .name = "test/Book",
    .super = &Object::klass,
    .interfaces = {&Titled::klass},
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = &Book::init,
    .methods = {impl(Named::m_name, &Book::name), impl(Titled::m_title, &Book::title)}};

ClassDecl Worker::klass = {.name = "test/Worker",
                           .super = &Thread::klass,
                           .instanceSize = JAVA_INSTANCE_SIZE,
                           .methods = {impl(Thread::m_run, &run_entry<&Worker::run>)}};
void Worker::init(Ref self, jint id) {
  Thread::init(self);
  f(self).id = id;
}
void Worker::run(Ref self) { g_bodies[f(self).id](); }

ClassDecl Task::klass = {.name = "test/Task",
                         .super = &Object::klass,
                         .interfaces = {&java::lang::Runnable::klass},
                         .instanceSize = JAVA_INSTANCE_SIZE,
                         .methods = {impl(m_run, &Task::run)}};
ClassDecl Headless::klass = {
    .name = "test/Headless", .super = &Thread::klass, .instanceSize = JAVA_INSTANCE_SIZE};

ClassDecl Keeper::klass = {.name = "test/Keeper",
                           .super = &Object::klass,
                           .instanceSize = JAVA_INSTANCE_SIZE,
                           .classInit = &Keeper::clinit,
                           .staticWords = JAVA_STATIC_WORDS};
void Keeper::clinit() {
  S().inits++;
  S().kept = jnew<Keeper>();  // makes an instance of its own class while initialising
}

ClassDecl InitBase::klass = {.name = "test/InitBase",
                             .super = &Object::klass,
                             .instanceSize = JAVA_INSTANCE_SIZE,
                             .classInit = &InitBase::clinit};
ClassDecl InitDerived::klass = {.name = "test/InitDerived",
                                .super = &InitBase::klass,
                                .instanceSize = JAVA_INSTANCE_SIZE,
                                .classInit = &InitDerived::clinit};
ClassDecl InitThrows::klass = {.name = "test/InitThrows",
                               .super = &Object::klass,
                               .instanceSize = JAVA_INSTANCE_SIZE,
                               .classInit = &InitThrows::clinit};
void InitThrows::clinit() {
  init_log.push_back("throws");
  jthrow(jnew<java::lang::RuntimeException>(lit("init failed")));
}

std::vector<ClassDecl*> all() {
  return {&Node::klass,      &Pair::klass,        &Shape::klass,     &Square::klass,
          &BigSquare::klass, &Named::klass,       &Titled::klass,    &Book::klass,
          &Worker::klass,    &Task::klass,        &Headless::klass,  &Keeper::klass,
          &InitBase::klass,  &InitDerived::klass, &InitThrows::klass};
}

}  // namespace test

std::vector<ClassDecl*> core_classes(std::vector<ClassDecl*> extra) {
  std::vector<ClassDecl*> list = runtime_classes();
  list.insert(list.end(), extra.begin(), extra.end());
  return list;
}
