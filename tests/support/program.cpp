// What every test program shares: the program runner and helpers over threads and values.
#include "program.h"

#include <cstring>
#include <deque>

#include "class_lists.h"
#include "java/lang/String.h"
#include "java/lang/Thread.h"
#include "java/lang/Throwable.h"

HostLog host_log;

static __attribute__((noinline)) void run(const std::vector<ClassDecl*>& classes,
                                          const std::function<void()>& body, bool initialise) {
  host_log = HostLog{.fatalThrows = host_log.fatalThrows, .colour = host_log.colour};
  const ProgramImage& image = rt_build_program(classes);
  if (!rt_init(image)) return;
  coop_init();
  Ref head = rt_new_object(image.threadClass);
  java::lang::Thread::f(head).priority = 5;
  coop_current()->arg = head;
  if (initialise) rt_init_all_classes();
  body();
  coop_shutdown();
  rt_shutdown();
}

void run_program(const std::vector<ClassDecl*>& classes, const std::function<void()>& body) {
  run(classes, body, false);
}

void run_initialised_program(const std::vector<ClassDecl*>& classes,
                             const std::function<void()>& body) {
  run(classes, body, true);
}

void run_library(const std::function<void()>& body, std::vector<ClassDecl*> extra) {
  std::vector<ClassDecl*> classes = cldc_core_classes();
  classes.insert(classes.end(), extra.begin(), extra.end());
  run(classes, body, true);
}

/* ---------------------------------------------------------------------------
 * Threads
 * ------------------------------------------------------------------------- */

// The bodies live as long as the test program: a thread parked by a fatal report never
// returns to free its own.
static std::deque<std::function<void()>> g_bodies;

ThreadRecord* spawn(std::function<void()> fn) {
  g_bodies.push_back(std::move(fn));
  ThreadRecord* t = coop_create([](void* arg) { (*static_cast<std::function<void()>*>(arg))(); },
                                &g_bodies.back());
  coop_add(t);
  return t;
}

bool yield_until(const std::function<bool()>& pred, int rounds) {
  for (int i = 0; i < rounds && !pred(); i++) coop_yield();
  return pred();
}

void pump(int rounds) {
  for (int i = 0; i < rounds; i++) coop_yield();
}

int thread_count() {
  int n = 0;
  for (ThreadRecord* t = coop_first(); t; t = coop_next(t)) n++;
  return n;
}

// Unchecked, so that the area has no red zones where a stale reference could survive.
__attribute__((noinline, no_sanitize_address)) void scrub_stack() {
  volatile char area[32768];
  for (size_t i = 0; i < sizeof area; i++) area[i] = 0;
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

/* ---------------------------------------------------------------------------
 * Java values
 * ------------------------------------------------------------------------- */

std::string text(Ref s) { return s ? jstring_bytes(s) : "<null>"; }

std::u16string chars(Ref s) {
  const StringFields* f = rt_string(s);
  const jchar* c = elements<jchar>(f->value) + f->offset;
  return std::u16string(c, c + f->count);
}

Ref jstr16(const std::u16string& s, jint offset, jint count) {
  Ref volatile a = new_char_array(static_cast<jint>(s.size()));
  if (!s.empty()) memcpy(elements<jchar>(a), s.data(), 2 * s.size());
  Ref str = jnew<java::lang::String>(static_cast<Ref>(a));
  rt_string(str)->offset = offset;
  rt_string(str)->count = count >= 0 ? count : static_cast<jint>(s.size()) - offset;
  return str;
}

Ref byte_array(const std::vector<uint8_t>& bytes) {
  Ref a = new_byte_array(static_cast<jint>(bytes.size()));
  if (!bytes.empty()) memcpy(elements<uint8_t>(a), bytes.data(), bytes.size());
  return a;
}

std::vector<uint8_t> array_bytes(Ref array) {
  if (!array) return {'n', 'u', 'l', 'l'};  // a failure to compare, not a crash
  const uint8_t* p = elements<uint8_t>(array);
  return std::vector<uint8_t>(p, p + alen(array));
}

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

std::string thrown(const std::function<void()>& fn) {
  Thrown t = catch_java(fn);
  if (t.cls.empty()) return "no exception";
  return t.message == "<null>" ? t.cls : t.cls + ": " + t.message;
}
