// The spotlet's event rules through the real event thread, the events connection and the
// host's queue: registration, idle passes, raw dispatch, beam events and failing handlers.
#include "com/sun/kjava/Spotlet.h"

#include <gtest/gtest.h>

#include "class_lists.h"
#include "com/sun/kjava/class_list.h"
#include "host/host.h"
#include "in_process.h"
#include "java/io/DataInput.h"
#include "java/io/InputStream.h"
#include "java/io/PrintStream.h"
#include "java/lang/RuntimeException.h"
#include "java/lang/String.h"
#include "java/lang/System.h"

using com::sun::kjava::Spotlet;

namespace {

std::vector<std::string> g_log;
int g_idle;  // unknownEvent(-1) calls
bool g_throw;

std::string text(const char* what, jint a) { return std::string(what) + " " + std::to_string(a); }
std::string text(const char* what, jint a, jint b) {
  return text(what, a) + " " + std::to_string(b);
}

// Records every handler call; keyDown also prints the code on System.out.
struct Recording {
  static ClassDecl klass;
  JAVA_NO_FIELDS(Spotlet)
  static void init(Ref self) { Spotlet::init(self); }
  static void unknownEvent(Ref, jint kind, Ref) {
    if (kind == -1) {
      g_idle++;
    } else {
      g_log.push_back(text("unknown", kind));
    }
  }
  static void penDown(Ref, jint x, jint y) {
    g_log.push_back(text("down", x, y));
    if (g_throw) jthrow(jnew<java::lang::RuntimeException>(lit("handler failed")));
  }
  static void penUp(Ref, jint x, jint y) { g_log.push_back(text("up", x, y)); }
  static void penMove(Ref, jint x, jint y) { g_log.push_back(text("move", x, y)); }
  static void keyDown(Ref, jint code) {
    g_log.push_back(text("key", code));
    clinit<java::lang::System>();
    java::io::PrintStream::println(java::lang::System::S().out,
                                   jconcat({lit("key "), java::lang::String::valueOf(code)}));
  }
  static void beamReceive(Ref, Ref data) { g_log.push_back(data ? "beam data" : "beam null"); }
};
ClassDecl Recording::klass = {
    .name = "test/Recording",
    .super = &Spotlet::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = &Recording::init,
    .methods = {impl(Spotlet::m_unknownEvent, &Recording::unknownEvent),
                impl(Spotlet::m_penDown, &Recording::penDown),
                impl(Spotlet::m_penUp, &Recording::penUp),
                impl(Spotlet::m_penMove, &Recording::penMove),
                impl(Spotlet::m_keyDown, &Recording::keyDown),
                impl(Spotlet::m_beamReceive, &Recording::beamReceive)},
};

// Replaces dispatch: gets the bare kind and reads the parameters itself.
struct Raw {
  static ClassDecl klass;
  JAVA_NO_FIELDS(Spotlet)
  static void init(Ref self) { Spotlet::init(self); }
  static void dispatch(Ref, jint kind, Ref in) {
    if (kind == -1) return;
    g_log.push_back(text("kind", kind));
    if (kind >= 1 && kind <= 3) {
      jint x = icall(java::io::DataInput::m_readInt, in);
      jint y = icall(java::io::DataInput::m_readInt, in);
      g_log.push_back(text("raw", x, y));
    }
  }
  static void penDown(Ref, jint x, jint y) { g_log.push_back(text("down", x, y)); }
};
ClassDecl Raw::klass = {
    .name = "test/Raw",
    .super = &Spotlet::klass,
    .instanceSize = JAVA_INSTANCE_SIZE,
    .defaultCtor = &Raw::init,
    .methods = {impl(Spotlet::m_dispatch, &Raw::dispatch), impl(Spotlet::m_penDown, &Raw::penDown)},
};

std::vector<ClassDecl*> classes() {
  std::vector<ClassDecl*> list = cldc_core_classes();
  for (ClassDecl* c : palm_profile_classes()) list.push_back(c);
  list.push_back(&Recording::klass);
  list.push_back(&Raw::klass);
  return list;
}

InProcessResult run(std::function<void()> body, std::string commandLine = "") {
  g_log.clear();
  g_idle = 0;
  g_throw = false;
  return run_in_process(
      {.classes = classes, .body = std::move(body), .commandLine = std::move(commandLine)});
}

void registered(Ref spotlet) { vcall(Spotlet::m_register, spotlet, Spotlet::NO_EVENT_OPTIONS); }

using Log = std::vector<std::string>;

// Without a spotlet the event thread reads events and drops them; events queued before
// register are discarded; registering another spotlet moves the input to it. An overridden
// dispatch gets the bare kind and reads the rest itself: a key's code left in the stream is
// read as a kind.
TEST(Spotlet, RegisteringTakesOnlyLaterEventsAndAnotherSpotletMovesThem) {
  run([] {
    queue_tap(100, 100);
    pump(10);
    EXPECT_EQ(host.count, 0) << "the event thread drained the queue";
    Ref volatile s = jnew<Recording>();
    queue_tap(100, 100);
    queue_char('a');
    registered(s);
    queue_char('b');
    pump(10);
    registered(jnew<Raw>());
    queue_pen(WM_LBUTTONDOWN, 20, 40);
    queue_char('2');
    pump(10);
  });
  EXPECT_EQ(g_log, (Log{"key 98", "kind 1", "raw 10 20", "kind 4", "kind 50"}));
}

// An idle spotlet gets unknownEvent(-1) once a pass. Pens in device pixels, key codes as the
// host made them (which keys make which: Window.PenAndKeysQueueTheirWords), kind 0 a beam
// with null, a kind outside the table to unknownEvent with nothing more read: all in queue
// order.
TEST(Spotlet, IdlePassesAndEventKindsArriveAsTheTableSays) {
  run([] {
    registered(jnew<Recording>());
    pump(2);
    g_idle = 0;
    pump(20);
    EXPECT_GE(g_idle, 19);
    EXPECT_LE(g_idle, 21);
    EXPECT_EQ(g_log, Log{}) << "nothing but idle calls";
    // Raw words first, while the queue is surely large enough.
    for (int word : {0, 7, 4, 33}) host.queue[host.count++] = word;  // beam, kind 7, key 33
    queue_pen(WM_LBUTTONDOWN, 101, 61);
    queue_pen(WM_MOUSEMOVE, 121, 81);
    queue_pen(WM_LBUTTONUP, 141, 101);
    queue_char('x');
    pump(10);
  });
  EXPECT_EQ(g_log, (Log{"beam null", "unknown 7", "key 33", "down 50 30", "move 60 40", "up 70 50",
                        "key 120"}));
}

// Printed once, and later events still arrive; System.out goes to the console only when one
// was asked for.
TEST(Spotlet, AHandlerExceptionIsPrintedOnceAndSystemOutNeedsTheConsole) {
  for (const char* commandLine : {"-console", ""}) {
    InProcessResult r = run(
        [] {
          registered(jnew<Recording>());
          g_throw = true;
          queue_tap(10, 10);
          queue_char('q');
          pump(10);
        },
        commandLine);
    EXPECT_EQ(g_log, (Log{"down 5 5", "up 5 5", "key 113"}));
    EXPECT_EQ(r.console, *commandLine ? "Test console started ...\n"
                                        "java/lang/RuntimeException: handler failed\nkey 113\n"
                                      : "");
  }
}

// Reading bytes from the events stream is refused. (A second stream that does not own the
// queue gets nothing: Events.OnlyOneLiveStreamOwnsTheQueueAndUnownedInputIsDropped.)
TEST(Spotlet, BytesFromTheEventsStreamAreRefused) {
  run([] {
    registered(jnew<Recording>());
    EXPECT_EQ(thrown([] { vcall(java::io::InputStream::m_read, Spotlet::eventInput()); }),
              RTE "events: function not implemented");
  });
}

}  // namespace
