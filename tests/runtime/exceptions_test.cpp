// Throwing and catching, error codes and their exceptions, uncaught and fatal reports.
#include <gtest/gtest.h>

#include <algorithm>

#include "java/io/IOException.h"
#include "java/lang/NullPointerException.h"
#include "java/lang/RuntimeException.h"
#include "java/lang/String.h"
#include "program.h"
#include "test_classes.h"
#include "threads/thread_natives.h"

using java::io::IOException;
using java::lang::NullPointerException;
using java::lang::RuntimeException;

namespace {

// A native in the runtime's style: clears the pending code, reports one, returns neutral.
jint failing_native(jint code) {
  rt_take_error();
  if (code) {
    rt_set_error(code, __LINE__);
    return 0;
  }
  return 42;
}

TEST(ErrorCodes, EveryCodeGivesItsClassAndMessage) {
  struct Row {
    int code;
    const char* cls;
    const char* message;
  };
  const Row rows[] = {
      {1, "java/lang/NullPointerException", "<null>"},
      {2, "java/lang/ClassCastException", "<null>"},
      {3, "java/lang/ClassNotFoundException", "<null>"},
      {4, "java/lang/IllegalArgumentException", "<null>"},
      {5, "java/lang/ArithmeticException", "Division by zero"},
      {6, "java/lang/IndexOutOfBoundsException", "<null>"},
      {7, "java/lang/NegativeArraySizeException", "<null>"},
      {8, "java/lang/ArrayIndexOutOfBoundsException", "<null>"},
      {9, "java/lang/StringIndexOutOfBoundsException", "<null>"},
      {10, "java/lang/NumberFormatException", "<null>"},
      {11, "java/lang/InterruptedException", "<null>"},
      {12, "java/io/IOException", "Server socket error"},
      {13, "java/io/IOException", "Socket error"},
      {14, "java/io/IOException", "Datagram socket error"},
      {15, "java/lang/ArithmeticException", "Arithmentic error"},
      {16, "java/lang/OutOfMemoryError", "<null>"},
      {17, "java/lang/RuntimeException", "Array element size mismatch"},
      {18, "java/lang/RuntimeException", "Method not implemented"},
      {19, "java/lang/RuntimeException", "Object heap corrupted"},
      {20, "java/lang/RuntimeException", "Internal error"},
      {21, "java/lang/RuntimeException", "Unknown error"},
      {99, "java/lang/RuntimeException", "Unknown error"},
  };
  run_program(core_classes(), [&] {
    for (const Row& r : rows) {
      Thrown t = catch_java([&] { rt_throw_error(r.code); });
      EXPECT_EQ(t.cls, r.cls) << r.code;
      EXPECT_EQ(t.message, r.message) << r.code;
    }
    EXPECT_EQ(rt_error_message(0), nullptr);
    EXPECT_EQ(rt_error_class(0), -1);
  });
}

// The protocol takes the pending code; a stale one does not leak into a later result.
PROGRAM_TEST(ErrorCodes, NativeProtocolTurnsPendingCodeIntoException) {
  EXPECT_EQ(native(&failing_native, 0), 42);
  Thrown t = catch_java([] { native(&failing_native, ERR_SOCKET); });
  EXPECT_EQ(t.cls, "java/io/IOException");
  EXPECT_EQ(t.message, "Socket error");
  EXPECT_EQ(rt_take_error(), ERR_NONE);  // taken by the protocol
  rt_set_error(ERR_SOCKET, 7);
  EXPECT_EQ(native(&failing_native, 0), 42);
}

// A table whose NullPointerException lacks the String constructor.
ClassDecl bareNpe = {
    .name = "java/lang/NullPointerException",
    .super = &RuntimeException::klass,
    .instanceSize = RT_HEADER_SIZE + RuntimeException::kEnd,
};

TEST(ErrorCodes, MissingExceptionClassOrConstructorIsFatal) {
  auto noIo = core_classes(), bare = core_classes();
  std::erase(noIo, &IOException::klass);
  run_program(noIo, [] {
    EXPECT_EQ(fatal_on_thread([] { rt_throw_error(ERR_SOCKET); }),
              std::vector<std::string>{"Fatal error: Exception class not found."});
  });
  std::replace(bare.begin(), bare.end(), &NullPointerException::klass, &bareNpe);
  run_program(bare, [] {
    EXPECT_EQ(fatal_on_thread([] { rt_throw_error(ERR_NULL_POINTER); }),
              std::vector<std::string>{
                  "Fatal error: Required constructor of throwable object not found."});
  });
}

// A handler for another class passes the exception on; a handler for a superclass takes it,
// and the object survives a collection while only the C++ exception holds it.
PROGRAM_TEST(Throwing, HandlerForAnotherClassPassesOnAndTheObjectSurvivesCollectionInFlight) {
  try {
    try {
      rt_throw(jnew<NullPointerException>(lit("kept")));
    } catch (JavaThrow& e) {
      if (!caught<IOException>(e)) throw;
      ADD_FAILURE() << "taken by a handler for another class";
    }
  } catch (JavaThrow& e) {
    rt_collect();
    EXPECT_TRUE(caught<RuntimeException>(e));
    EXPECT_TRUE(rt_is_live_object(e.object()));
    EXPECT_EQ(text(java::lang::Throwable::f(e.object()).detailMessage), "kept");
  }
}

// State the tests' threads share: threads share no stack memory.
void (*g_body)();
int g_ticks;
bool g_past_report;
std::vector<std::string> g_results;
int g_done;

// An uncaught exception or a fatal error is reported once and parks its own thread, which
// never finishes; the other threads go on.
TEST(Reports, EachParksOnlyItsOwnThread) {
  const std::pair<void (*)(), const char*> rows[] = {
      {[] { rt_throw(jnew<RuntimeException>(lit("message not shown"))); },
       "Uncaught exception: java/lang/RuntimeException"},
      {[] { rt_uncaught(nullptr); }, "Uncaught exception: no further information"},
      {[] {
         rt_init_class(test::Keeper::klass.index);
         for (;;) {  // keeps everything
           Ref n = jnew<test::Node>();
           test::Node::f(n).next = test::Keeper::S().kept;
           test::Keeper::S().kept = n;
         }
       },
       "Fatal error: Out of memory."},
  };
  for (const auto& row : rows) {
    const std::string report = row.second;  // a lambda may not capture a structured binding
    SCOPED_TRACE(report);
    g_body = row.first;
    run_program(core_classes(test::all()), [&] {
      g_ticks = 0;
      g_past_report = false;
      spawn([] {
        for (;;) {
          g_ticks++;
          coop_yield();
        }
      });
      Ref volatile w = jnew<test::Worker>(test::worker_body([] {
        g_body();
        g_past_report = true;
      }));
      java::lang::Thread::start(w);
      EXPECT_TRUE(yield_until([] { return !host_log.fatals.empty() && g_ticks > 20; }));
      EXPECT_EQ(host_log.fatals, std::vector<std::string>{report});
      EXPECT_FALSE(g_past_report);
      EXPECT_TRUE(coop_is_alive(coop_thread_record(w)));
    });
  }
}

// Each thread throws, yields inside its catch clause while the others throw and catch
// their own, then rethrows: the C++ runtime's exception state is per thread.
PROGRAM_TEST(Switching, ExceptionsInFlightSurviveThreadSwitches) {
  g_results.assign(3, "");
  g_done = 0;
  for (int k = 0; k < 3; k++) {
    spawn([k] {
      const char name[] = {'t', static_cast<char>('0' + k), 0};
      Thrown t = catch_java([&] {
        try {
          rt_throw(jnew<IOException>(lit(name)));
        } catch (JavaThrow& e) {
          for (int i = 0; i < 10; i++) {
            coop_yield();
            rt_collect();
          }
          if (std::uncaught_exceptions() != 0) g_results[k] = "uncaught count leaked";
          throw;
        }
      });
      if (g_results[k].empty()) g_results[k] = t.message;
      g_done++;
    });
  }
  EXPECT_TRUE(yield_until([] { return g_done == 3; }));
  EXPECT_EQ(g_results, (std::vector<std::string>{"t0", "t1", "t2"}));
}

}  // namespace
