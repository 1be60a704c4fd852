// Thread natives: start, sleep, yield, current thread, liveness, count and priority.
#include "threads/thread_natives.h"

void (*coop_application_main)(Ref args);

ThreadRecord* coop_thread_record(Ref thread) {
  for (ThreadRecord* t = coop_first(); t; t = coop_next(t))
    if (t->arg == thread) return t;
  return nullptr;
}

// The thread runs its class's own run entry, found by the run selector; the new thread
// first runs when the scheduler's walk reaches it.
void coop_thread_start(Ref thread) {
  if (!thread) rt_fatal("Null pointer");
  const ClassRecord* r = rt_record(rt_class_of(thread));
  if (!(r->flags & CLS_THREAD)) rt_fatal("Not runnable class supplied");
  void* code = nullptr;
  for (int i = 0; i < r->methodCount && !code; i++)
    if (r->methods[i].interfaceSelector == r->extra) code = r->methods[i].code;
  if (!code) rt_fatal("Runnable method not found");
  ThreadRecord* t = coop_create(reinterpret_cast<void (*)(void*)>(code), thread);
  if (!t) rt_fatal("Failed to create new native thread");
  coop_add(t);
}

void coop_thread_sleep(jlong millis) { coop_sleep(millis < 0 ? 0 : millis); }

void coop_thread_yield() { coop_yield(); }

Ref coop_thread_current() {
  ThreadRecord* t = coop_current();
  return t ? static_cast<Ref>(t->arg) : nullptr;
}

jbool coop_thread_is_alive(Ref thread) { return coop_is_alive(coop_thread_record(thread)); }

jint coop_thread_active_count() {
  jint n = 0;
  for (ThreadRecord* t = coop_first(); t; t = coop_next(t))
    if (rt_is_live_object(static_cast<Ref>(t->arg)) && t->started && !t->finished) n++;
  return n;
}

void coop_thread_set_priority0(Ref thread, jint priority) {
  coop_set_priority(coop_thread_record(thread), priority);
}

void coop_application_entry(void*) {
  Ref escaped;
  try {
    rt_init_all_classes();
    coop_application_main(nullptr);
    for (;;) coop_yield();
  } catch (JavaThrow& e) {
    escaped = e.object();
  }
  rt_uncaught(escaped);
}
