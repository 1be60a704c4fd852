// Start-up, switches, console banner, failure messages and teardown.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "in_process.h"
#include "scratch.h"

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
    InProcess run = {.commandLine = c.line};
    if (c.fault >= 0) run.faults = {{static_cast<PlatformFault>(c.fault), 1}};
    if (c.fault != PF_STD_HANDLE)
      run.body = [] {
        g_seen = host.console;
        con_write_line("one");
        con_write_line(nullptr);
        con_write_char(0xE9);
        con_write_char(0x10041);
      };
    InProcessResult r = run_in_process(run);
    EXPECT_EQ(r.status, 0) << c.line;
    EXPECT_EQ(r.console, c.console) << c.line << " " << c.fault;
    EXPECT_EQ(r.consoleTitle, c.title) << c.line << " " << c.fault;
    EXPECT_TRUE(c.fault != PF_ALLOC_CONSOLE || g_seen == 0) << "no console held";
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
      {-1, 0, true, 0, "Error: Failed to start application: unable to init user event subsystem"},
      {-1, 0, false, 2, "Error: Failed to start application: out of memory"},
  };
  for (const Case& c : cases) {
    InProcess run = {.body = [] { g_ran = true; },
                     .failThreadCreation = c.failThreadCreation,
                     .failEventBuffer = c.failEventBuffer};
    if (c.fault >= 0) run.faults = {{static_cast<PlatformFault>(c.fault), c.nth}};
    g_ran = false;
    InProcessResult r = run_in_process(run);
    EXPECT_EQ(r.status, 0);
    EXPECT_FALSE(g_ran);
    EXPECT_EQ(r.boxes, std::vector<std::string>{c.box});
  }
}

// The exit status is 0 whatever sys_exit is given; a main that returns leaves the program
// running until the window closes.
TEST(Startup, ExitStatusAndMainReturning) {
  EXPECT_EQ(run_in_process({.body = [] { sys_exit(nullptr, 42); }, .keepRunning = true}).status, 0);
  g_ran = false;
  InProcess returning = {
      .body = [] { g_ran = true; }, .keepRunning = true, .script = "wait 30\nclose\n"};
  EXPECT_EQ(run_in_process(returning).status, 0);
  EXPECT_TRUE(g_ran);
}

// Switches are words: a repeated one counts once and the last value wins; a word no rule
// takes, or a bad -scale or -fps, is named and ignored; headless there is no frame limit
// unless asked; the colour switches (case matters) override the program's default; a -script or
// -record that cannot be used, or a bad -gremlins, ends the program with status 2 before it runs; a
// file name is never searched for the colour and console switches.
TEST(Startup, SwitchWordsRepeatsUnknownsAndAutomationFailures) {
  std::string dashed = scratch_dir() + "/switches-console-color.txt";
  std::ofstream(dashed) << "close\n";
  struct Case {
    std::string line;
    int status, scale, colourAndConsole;
    bool ran;
    const char* said;  // on standard error; nullptr: nothing
    int fps = 0;
    int colourByDefault = 0;
  } cases[] = {
      {"-scale 2 /scale=6 -console -console", 0, 6, 1, true, nullptr},
      {"-fps 30 /fps=1000", 0, 0, 0, true, nullptr, 1000},
      {"-scale 7 -fps x", 0, 0, 0, true,
       "Test: -scale takes a whole number from 1 to 6; ignored\n"
       "Test: -fps takes a whole number from 0 to 1000; ignored\n"},
      {"-colorful", 0, 0, 10, true, nullptr},  // the colour switch counts inside a word
      {"/color -COLOR", 0, 0, 10, true, "Test: unknown switch -COLOR; ignored\n"},
      {"/nocolor", 0, 0, 0, true, nullptr, 0, 1},
      {"", 0, 0, 10, true, nullptr, 0, 1},
      {"-bogus stray", 0, 0, 0, true,
       "Test: unknown switch -bogus; ignored\nTest: stray: not a switch"},
      {"-script " + dashed, 0, 0, 0, true, nullptr},
      {"-script", 2, 0, 0, false, "Test: -script needs a file name\n"},
      {"-script /nonexistent/s.txt", 2, 0, 0, false,
       "-script /nonexistent/s.txt: cannot open the file (No such file or directory); not started"},
      {"-record /nonexistent/r.txt", 2, 0, 0, false,
       "Test: -record /nonexistent/r.txt: cannot write the file (No such file or directory)"},
      {"-gremlins many", 2, 0, 0, false, "Test: -gremlins takes a count"},
      // a session that never ran records nothing over the file
      {"-record " + dashed + " -script /nonexistent/s.txt", 2, 0, 0, false, "not started"},
  };
  for (const Case& c : cases) {
    auto body = [] {
      g_ran = true;
      g_seen = host.colour * 10 + host.console;
    };
    InProcess run = {.body = body, .commandLine = c.line, .colourByDefault = c.colourByDefault};
    g_ran = false;
    g_seen = -1;
    host.scale = 0;
    testing::internal::CaptureStderr();
    InProcessResult r = run_in_process(run);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(r.status, c.status) << c.line;
    EXPECT_EQ(g_ran, c.ran) << c.line;
    if (c.ran) {
      EXPECT_EQ(g_seen, c.colourAndConsole) << c.line;
      EXPECT_EQ(host.scale, c.scale) << c.line;
      EXPECT_EQ(host.fps, c.fps) << c.line;
    }
    if (c.said)
      EXPECT_NE(err.find(c.said), std::string::npos) << c.line << ": " << err;
    else
      EXPECT_EQ(err, "") << c.line;
  }
  EXPECT_EQ(file_bytes(dashed), "close\n");
}

}  // namespace
