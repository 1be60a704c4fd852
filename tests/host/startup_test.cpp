// Start-up, switches, console banner, failure messages and teardown.
#include <gtest/gtest.h>

#include "harness.h"

namespace {

int g_seen;
bool g_ran;

TEST(Startup, ConsoleSwitchGivenThreeTimesOpensOneConsoleWithOneBanner) {
  HostRun run;
  run.commandLine = "-console /console x-consoley";
  HostResult r = run_host(run);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.console, "Test console started ...\n");
  EXPECT_EQ(r.consoleTitle, "Test");
}

TEST(Startup, ConsoleLinesFollowTheBanner) {
  HostRun run;
  run.commandLine = "-console";
  run.body = [] {
    con_write_line("one");
    con_write_line(nullptr);
    con_write_char(0xE9);     // one UTF-16 unit, shown as its character
    con_write_char(0x10041);  // only the low 16 bits count
  };
  HostResult r = run_host(run);
  EXPECT_EQ(r.console,
            "Test console started ...\none\nnull\n\xC3\xA9"
            "A");
}

TEST(Startup, WithoutTheSwitchNothingIsWrittenToTheConsole) {
  HostRun run;
  run.body = [] { con_write_line("hidden"); };
  HostResult r = run_host(run);
  EXPECT_EQ(r.console, "");
}

TEST(Startup, ConsoleThatCannotBeAllocatedGivesNoBannerAndNoOutput) {
  HostRun run;
  run.commandLine = "-console";
  run.faults = {{PF_ALLOC_CONSOLE, 1}};
  run.body = [] {
    g_seen = host.console;
    con_write_line("hidden");
  };
  HostResult r = run_host(run);
  EXPECT_EQ(g_seen, 0);
  EXPECT_EQ(r.console, "");
  EXPECT_EQ(r.consoleTitle, "");
}

TEST(Startup, InvalidOutputHandleSetsTheTitleButWritesNoBanner) {
  HostRun run;
  run.commandLine = "-console";
  run.faults = {{PF_STD_HANDLE, 1}};
  HostResult r = run_host(run);
  EXPECT_EQ(r.consoleTitle, "Test");
  EXPECT_EQ(r.console, "");
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

TEST(Startup, ClassRegistrationFailureReturnsZeroWithoutMessage) {
  HostRun run;
  run.faults = {{PF_REGISTER_CLASS, 1}};
  run.body = [] { g_ran = true; };
  g_ran = false;
  HostResult r = run_host(run);
  EXPECT_EQ(r.status, 0);
  EXPECT_FALSE(g_ran);
  EXPECT_TRUE(r.boxes.empty());
}

TEST(Startup, ButtonCreationFailureReturnsZeroWithoutMessage) {
  HostRun run;
  run.faults = {{PF_CREATE_WINDOW, 4}};  // the window, then the third button
  run.body = [] { g_ran = true; };
  g_ran = false;
  HostResult r = run_host(run);
  EXPECT_EQ(r.status, 0);
  EXPECT_FALSE(g_ran);
  EXPECT_TRUE(r.boxes.empty());
}

TEST(Startup, EventBufferFailureShowsTheEventMessage) {
  HostRun run;
  run.failEventBuffer = true;
  run.body = [] { g_ran = true; };
  g_ran = false;
  HostResult r = run_host(run);
  EXPECT_EQ(r.status, 0);
  EXPECT_FALSE(g_ran);
  ASSERT_EQ(r.boxes.size(), 1u);
  EXPECT_EQ(r.boxes[0], "Error: Failed to start application: unable to init user event subsystem");
}

TEST(Startup, ApplicationThreadFailureAfterThePumpShowsOutOfMemory) {
  HostRun run;
  run.failThreadCreation = 2;
  run.body = [] { g_ran = true; };
  g_ran = false;
  HostResult r = run_host(run);
  EXPECT_EQ(r.status, 0);
  EXPECT_FALSE(g_ran);
  ASSERT_EQ(r.boxes.size(), 1u);
  EXPECT_EQ(r.boxes[0], "Error: Failed to start application: out of memory");
}

TEST(Startup, MainThreadRunsWithAConstructedThreadAndTheHeadHasPriorityFive) {
  HostRun run;
  run.body = [] {
    Ref self = static_cast<Ref>(coop_current()->arg);
    Ref head = static_cast<Ref>(coop_first()->arg);
    g_seen = rt_get_int(self, 0) * 100 + rt_get_int(head, 0);
  };
  run_host(run);
  EXPECT_EQ(g_seen, 505);
}

TEST(Startup, ExitStatusIsZeroWhateverSysExitIsGiven) {
  HostRun run;
  run.keepRunning = true;
  run.body = [] { sys_exit(nullptr, 42); };
  EXPECT_EQ(run_host(run).status, 0);
}

TEST(Startup, MainReturningKeepsTheProgramRunningUntilTheWindowCloses) {
  HostRun run;
  run.keepRunning = true;
  run.body = [] { g_ran = true; };
  run.script = "wait 30\nclose\n";
  g_ran = false;
  HostResult r = run_host(run);
  EXPECT_TRUE(g_ran);
  EXPECT_EQ(r.status, 0);
}

TEST(Startup, TeardownFreesEveryObjectAndStopsTheEventSubsystem) {
  HostRun run;
  run.body = [] { jstr("left behind"); };
  run_host(run);
  EXPECT_EQ(rt_all_objects, nullptr);
  EXPECT_EQ(host.queue, nullptr);
  EXPECT_EQ(host.capacity, 0);
  EXPECT_EQ(coop_first(), nullptr);
}

TEST(Startup, WindowCloseReleasesTheDrawingObjects) {
  run_body([] {});
  EXPECT_EQ(host.screen, nullptr);
  EXPECT_EQ(host.offscreen, nullptr);
  EXPECT_EQ(host.blackPen, nullptr);
  EXPECT_EQ(host.greyPen, nullptr);
  EXPECT_EQ(host.font, nullptr);
  EXPECT_FALSE(IsWindow(host.window));
}

}  // namespace
