// Start-up, switches, console banner, failure messages and teardown.
#include <gtest/gtest.h>

#include "harness.h"

namespace {

int g_seen;
bool g_ran;

// The console: one banner however often the switch is given; lines after it (null as
// "null", a character as one UTF-16 unit, only its low 16 bits); nothing without the switch,
// nor when it cannot be allocated; a bad output handle still sets the title.
TEST(Startup, ConsoleSwitchBannerAndFailures) {
  struct Case {
    const char* line;
    int fault;  // a PlatformFault, or -1
    const char* console;
    const char* title;
  } cases[] = {
      {"-console /console x-consoley", -1,
       "Test console started ...\none\nnull\n\xC3\xA9"
       "A",
       "Test"},
      {"", -1, "", ""},
      {"-console", PF_ALLOC_CONSOLE, "", ""},
      {"-console", PF_STD_HANDLE, "", "Test"},  // main writes nothing here
  };
  for (const Case& c : cases) {
    HostRun run;
    run.commandLine = c.line;
    if (c.fault >= 0) run.faults = {{static_cast<PlatformFault>(c.fault), 1}};
    if (c.fault != PF_STD_HANDLE)
      run.body = [] {
        g_seen = host.console;
        con_write_line("one");
        con_write_line(nullptr);
        con_write_char(0xE9);
        con_write_char(0x10041);
      };
    HostResult r = run_host(run);
    EXPECT_EQ(r.status, 0) << c.line;
    EXPECT_EQ(r.console, c.console) << c.line << " " << c.fault;
    EXPECT_EQ(r.consoleTitle, c.title) << c.line << " " << c.fault;
    EXPECT_TRUE(c.fault != PF_ALLOC_CONSOLE || g_seen == 0) << "no console held";
  }
}

TEST(Startup, ColourSwitchRulesDependOnTheProgram) {
  struct Case {
    const char* line;
    int byDefault;
    int expected;
  } cases[] = {
      {"", 0, 0},           {"-color", 0, 1},   {"/color", 0, 1},   {"-nocolor", 0, 0},
      {"", 1, 1},           {"-nocolor", 1, 0}, {"/nocolor", 1, 0}, {"-color", 1, 1},
      {"x-colorful", 0, 1}, {"-COLOR", 0, 0},
  };
  for (const Case& c : cases) {
    HostRun run;
    run.commandLine = c.line;
    run.colourByDefault = c.byDefault;
    run.body = [] { g_seen = host.colour; };
    g_seen = -1;
    run_host(run);
    EXPECT_EQ(g_seen, c.expected) << "line \"" << c.line << "\" default " << c.byDefault;
  }
}

// A failed start returns 0 without running main, and says why (a window that cannot be
// made would otherwise end the program without a word).
TEST(Startup, FailuresReturnZeroWithoutRunningMain) {
  struct Case {
    int fault, nth;  // a PlatformFault and which call fails, or -1
    bool failEventBuffer;
    int failThreadCreation;
    const char* box;
  } cases[] = {
      {PF_REGISTER_CLASS, 1, false, 0,
       "Error: Failed to start application: unable to register the window class"},
      {PF_CREATE_WINDOW, 1, false, 0,
       "Error: Failed to start application: unable to create the window"},
      {PF_CREATE_WINDOW, 4, false, 0,  // the window, then the third button
       "Error: Failed to start application: unable to create the window"},
      {-1, 0, true, 0, "Error: Failed to start application: unable to init user event subsystem"},
      {-1, 0, false, 2, "Error: Failed to start application: out of memory"},
  };
  for (const Case& c : cases) {
    HostRun run;
    if (c.fault >= 0) run.faults = {{static_cast<PlatformFault>(c.fault), c.nth}};
    run.failEventBuffer = c.failEventBuffer;
    run.failThreadCreation = c.failThreadCreation;
    run.body = [] { g_ran = true; };
    g_ran = false;
    HostResult r = run_host(run);
    EXPECT_EQ(r.status, 0);
    EXPECT_FALSE(g_ran);
    EXPECT_EQ(r.boxes, std::vector<std::string>{c.box});
  }
}

// The exit status is 0 whatever sys_exit is given; a main that returns leaves the program
// running until the window closes.
TEST(Startup, ExitStatusAndMainReturning) {
  HostRun run;
  run.keepRunning = true;
  run.body = [] { sys_exit(nullptr, 42); };
  EXPECT_EQ(run_host(run).status, 0);
  run.body = [] { g_ran = true; };
  run.script = "wait 30\nclose\n";
  g_ran = false;
  EXPECT_EQ(run_host(run).status, 0);
  EXPECT_TRUE(g_ran);
}

// The main thread runs with a constructed Thread and the head's has priority five; the
// teardown frees every object, stops the event subsystem and releases the drawing objects.
TEST(Startup, MainThreadObjectsAndTeardown) {
  run_body([] {
    Ref self = static_cast<Ref>(coop_current()->arg);
    Ref head = static_cast<Ref>(coop_first()->arg);
    g_seen = rt_get_int(self, 0) * 100 + rt_get_int(head, 0);
    jstr("left behind");
  });
  EXPECT_EQ(g_seen, 505);
  EXPECT_EQ(rt_all_objects, nullptr);
  EXPECT_EQ(host.queue, nullptr);
  EXPECT_EQ(host.capacity, 0);
  EXPECT_EQ(coop_first(), nullptr);
  EXPECT_EQ(host.screen, nullptr);
  EXPECT_EQ(host.offscreen, nullptr);
  EXPECT_EQ(host.blackPen, nullptr);
  EXPECT_EQ(host.greyPen, nullptr);
  EXPECT_EQ(host.font, nullptr);
  EXPECT_FALSE(IsWindow(host.window));
}

}  // namespace
