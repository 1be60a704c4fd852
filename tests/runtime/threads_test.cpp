// java/lang/Thread and its natives, the main thread's start-up, Object's wait methods.
#include <gtest/gtest.h>

#include "java/lang/Object.h"
#include "java/lang/String.h"
#include "java/lang/Thread.h"
#include "program.h"
#include "test_classes.h"
#include "threads/thread_natives.h"

using java::lang::Object;
using java::lang::Thread;

namespace {

// Shared between threads: no thread may write into another thread's frames.
std::vector<std::string> g_events;
Ref g_seen_current;
bool g_alive_inside;
int g_main_calls;

PROGRAM_TEST(Thread, SubclassRunsItsOwnRunAndTargetRunsThroughThread) {
  g_events.clear();
  test::task_runs = 0;
  Ref w = jnew<test::Worker>(test::worker_body([] { g_events.push_back("worker"); }));
  Thread::start(w);
  Thread::start(jnew<Thread>(jnew<test::Task>()));
  yield_until([] { return thread_count() == 1; });
  EXPECT_EQ(g_events, std::vector<std::string>{"worker"});
  EXPECT_EQ(test::task_runs, 1);
  Ref t = jnew<Thread>(jnew<test::Task>());  // starting twice runs twice
  Thread::start(t);
  Thread::start(t);
  yield_until([] { return thread_count() == 1; });
  EXPECT_EQ(test::task_runs, 3);
}

// A negative sleep is a sleep of zero: the thread runs again at the next walk and ends.
PROGRAM_TEST(Thread, IsAliveFromFirstSwitchUntilRunReturns) {
  g_alive_inside = false;
  Ref volatile w = jnew<test::Worker>(test::worker_body([] {
    g_alive_inside = Thread::isAlive(Thread::currentThread());
    Thread::sleep(-5);
  }));
  EXPECT_FALSE(Thread::isAlive(w));  // never started
  Thread::start(w);
  EXPECT_FALSE(Thread::isAlive(w));  // started but not yet switched to
  EXPECT_EQ(Thread::activeCount(), 1) << "nor counted as active";
  coop_yield();
  EXPECT_TRUE(g_alive_inside);
  EXPECT_TRUE(Thread::isAlive(w));
  EXPECT_EQ(Thread::activeCount(), 2);
  yield_until([] { return thread_count() == 1; });
  EXPECT_FALSE(Thread::isAlive(w));
}

PROGRAM_TEST(Thread, CurrentThreadIsTheRecordsObjectAndShowsHashAndPriority) {
  Ref head = Thread::currentThread();
  EXPECT_EQ(head, coop_first()->arg);
  EXPECT_EQ(Thread::getPriority(head), 5);
  Ref volatile w =
      jnew<test::Worker>(test::worker_body([] { g_seen_current = Thread::currentThread(); }));
  Thread::start(w);
  coop_yield();
  EXPECT_EQ(g_seen_current, w);
  std::string shown = "Thread[@" + std::to_string(Object::hashCode(w)) + ",5]";
  EXPECT_EQ(text(vcall(Object::m_toString, w)), shown);
}

PROGRAM_TEST(Thread, StartFailuresAreFatal) {
  EXPECT_EQ(fatal_on_thread([] { coop_thread_start(nullptr); }),
            std::vector<std::string>{"Fatal error: Null pointer"});
  EXPECT_EQ(fatal_on_thread([] { coop_thread_start(jnew<test::Task>()); }),
            std::vector<std::string>{"Fatal error: Not runnable class supplied"});
  EXPECT_EQ(fatal_on_thread([] { Thread::start(jnew<test::Headless>()); }),
            std::vector<std::string>{"Fatal error: Runnable method not found"});
}

PROGRAM_TEST(Thread, PriorityRules) {
  Ref volatile t = jnew<Thread>();
  EXPECT_EQ(Thread::getPriority(t), 5);
  EXPECT_EQ(catch_java([&] { Thread::setPriority(t, 0); }).cls,
            "java/lang/IllegalArgumentException");
  EXPECT_EQ(catch_java([&] { Thread::setPriority(t, 11); }).message, "<null>");
  Thread::setPriority(t, 7);  // before start: only the field
  EXPECT_EQ(Thread::getPriority(t), 7);
  EXPECT_EQ(coop_thread_record(t), nullptr);
  Thread::start(t);
  Thread::setPriority(t, 3);
  ThreadRecord* r = coop_thread_record(t);
  EXPECT_EQ(coop_get_priority(r), 3);
  // The scheduler clamps what it is given to 1..10, a negative value (compared unsigned) to 10.
  for (auto [given, kept] : {std::pair{0, 1}, {11, 10}, {-5, 10}}) {
    coop_set_priority(r, given);
    EXPECT_EQ(coop_get_priority(r), kept) << given;
  }
  // A thread made with a target takes the current thread's priority.
  Thread::setPriority(Thread::currentThread(), 8);
  EXPECT_EQ(Thread::getPriority(jnew<Thread>(jnew<test::Task>())), 8);
}

void fake_main(Ref args) {
  g_main_calls++;
  g_events.push_back(args ? "args" : "null args");
  g_events.push_back("active " + std::to_string(Thread::activeCount()));
}

void throwing_main(Ref) { rt_throw_error(ERR_ILLEGAL_ARGUMENT); }

// The main thread as the program entry creates it.
ThreadRecord* start_main_thread(void (*main)(Ref)) {
  coop_application_main = main;
  Ref volatile obj = jnew<Thread>();
  ThreadRecord* t = coop_create(&coop_application_entry, obj);
  coop_add(t);
  return t;
}

// The main thread initialises every class, calls main and then yields forever; an exception
// escaping main (a second main thread's) is reported as uncaught.
TEST(MainThread, InitialisesEveryClassCallsMainAndReportsWhatEscapesIt) {
  run_program(core_classes({&test::InitDerived::klass, &test::InitBase::klass}), [] {
    g_events.clear();
    g_main_calls = 0;
    test::init_log.clear();
    ThreadRecord* t = start_main_thread(&fake_main);
    for (int i = 0; i < 20; i++) coop_yield();
    EXPECT_EQ(g_main_calls, 1);
    // The head's Thread object and the main thread's are the active threads.
    EXPECT_EQ(g_events, (std::vector<std::string>{"null args", "active 2"}));
    EXPECT_TRUE(coop_is_alive(t));  // never finishes
    for (int i = 0; i < rt_image.classCount; i++) EXPECT_EQ(rt_image.initFlags[i], 1);
    EXPECT_EQ(test::init_log, (std::vector<std::string>{"base", "derived"}));
    start_main_thread(&throwing_main);
    yield_until([] { return !host_log.fatals.empty(); });
    EXPECT_EQ(host_log.fatals,
              std::vector<std::string>{"Uncaught exception: java/lang/IllegalArgumentException"});
  });
}

PROGRAM_TEST(Waiting, WaitAndNotifyAreNotImplemented) {
  Ref volatile o = jnew<test::Node>();
  for (auto fn : std::vector<std::function<void()>>{[&] { Object::notify(o); },
                                                    [&] { Object::wait(o, 0, 1); }}) {
    Thrown t = catch_java(fn);
    EXPECT_EQ(t.cls, "java/lang/RuntimeException");
    EXPECT_EQ(t.message, "Method not implemented");
  }
  Thrown neg = catch_java([&] { Object::wait(o, -1, 0); });
  EXPECT_EQ(neg.cls, "java/lang/IllegalArgumentException");
  EXPECT_EQ(neg.message, "timeout value is negative");
  EXPECT_EQ(catch_java([&] { Object::wait(o, 10, 1000000); }).message,
            "nanosecond timeout value out of range");
}

}  // namespace
