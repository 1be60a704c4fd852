// Test harness: class list, host hooks that record what they see, program runner.
#include "program.h"

#include "class_lists.h"
#include "java/lang/Thread.h"
#include "java/lang/Throwable.h"

HostLog host_log;

int natives_init() {
  host_log.nativesStarted++;
  return host_log.failNatives ? 0 : 1;
}
void natives_shutdown() { host_log.nativesStopped++; }
void host_release_resources(Ref, const char* className) { host_log.released.push_back(className); }
void host_fatal_display(const char* text) { host_log.fatals.push_back(text); }

static ClassDecl intArray2 = rt_array_class("[[I");

std::vector<ClassDecl*> core_classes(std::vector<ClassDecl*> extra) {
  std::vector<ClassDecl*> list = runtime_classes();
  list.push_back(&intArray2);
  list.insert(list.end(), extra.begin(), extra.end());
  return list;
}

__attribute__((noinline)) void run_program(const std::vector<ClassDecl*>& classes,
                                           const std::function<void()>& body) {
  host_log = HostLog{};
  const ProgramImage& image = rt_build_program(classes);
  if (!rt_init(image)) return;
  coop_init();
  // The head thread gets a Thread object that was allocated but not constructed.
  Ref head = rt_new_object(image.threadClass);
  java::lang::Thread::f(head).priority = 5;
  coop_current()->arg = head;
  body();
  coop_shutdown();
  rt_shutdown();
}

bool yield_until(const std::function<bool()>& pred, int rounds) {
  for (int i = 0; i < rounds && !pred(); i++) coop_yield();
  return pred();
}

int thread_count() {
  int n = 0;
  for (ThreadRecord* t = coop_first(); t; t = coop_next(t)) n++;
  return n;
}

std::string text(Ref s) { return s ? jstring_bytes(s) : "<null>"; }

Thrown catch_java(const std::function<void()>& fn) {
  try {
    fn();
  } catch (JavaThrow& e) {
    Ref ex = e.object();
    Ref msg = java::lang::Throwable::f(ex).detailMessage;
    return Thrown{rt_record(rt_class_of(ex))->name, msg ? text(msg) : "<null>"};
  }
  return Thrown{};
}

static bool g_follower_ran;

std::vector<std::string> fatal_on_thread(const std::function<void()>& fn) {
  size_t before = host_log.fatals.size();
  ThreadRecord* t = spawn(fn);
  g_follower_ran = false;
  spawn([] { g_follower_ran = true; });  // runs after t has had its first turn
  yield_until(
      [&] { return g_follower_ran && (host_log.fatals.size() > before || !coop_is_alive(t)); });
  return std::vector<std::string>(host_log.fatals.begin() + static_cast<long>(before),
                                  host_log.fatals.end());
}
