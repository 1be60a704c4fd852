// java/lang/Thread
#include "java/lang/Thread.h"

#include <string>

#include "java/lang/IllegalArgumentException.h"
#include "threads/thread_natives.h"

namespace java::lang {

ClassDecl Thread::klass = {
    .name = "java/lang/Thread",
    .super = &Object::klass,
    .interfaces = {&Runnable::klass},
    .instanceSize = JAVA_INSTANCE_SIZE,
    .refOffsets = {JAVA_REF(target)},
    .defaultCtor = &Thread::init,
    .methods = {impl(Object::m_toString, &Thread::toString), impl(m_run, &run_entry<&Thread::run>)},
    .uses = {&java::lang::IllegalArgumentException::klass, &java::lang::Runnable::klass},
};

void Thread::init(Ref self) {
  Object::init(self);
  f(self).priority = 5;
}

void Thread::init(Ref self, Ref target) {
  Object::init(self);
  f(self).priority = 5;
  f(self).priority = getPriority(nn(currentThread()));
  f(self).target = target;
  setPriority(self, f(self).priority);
}

Ref Thread::currentThread() {
  clinit<Thread>();
  return coop_thread_current();
}

void Thread::yield() {
  clinit<Thread>();
  coop_thread_yield();
}

void Thread::sleep(jlong millis) {
  clinit<Thread>();
  coop_thread_sleep(millis);
}

void Thread::start(Ref self) { coop_thread_start(nn(self)); }

void Thread::run(Ref self) {
  if (f(self).target) icall(Runnable::m_run, f(self).target);
}

jbool Thread::isAlive(Ref self) { return coop_thread_is_alive(nn(self)); }

void Thread::setPriority(Ref self, jint newPriority) {
  if (newPriority > 10 || newPriority < 1) jthrow(jnew<IllegalArgumentException>());
  f(nn(self)).priority = newPriority;
  coop_thread_set_priority0(self, newPriority);
}

jint Thread::getPriority(Ref self) { return f(nn(self)).priority; }

jint Thread::activeCount() {
  clinit<Thread>();
  return coop_thread_active_count();
}

// "Thread[@" hash "," priority "]"
Ref Thread::toString(Ref self) {
  std::string text = "Thread[@" + std::to_string(vcall(Object::m_hashCode, self)) + "," +
                     std::to_string(getPriority(self)) + "]";
  return lit(text.c_str());
}

}  // namespace java::lang
