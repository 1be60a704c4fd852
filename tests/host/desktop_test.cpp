// What the host adds around the programs: help, presentation switches, and the idle wait
// that changes nothing the program sees.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "in_process.h"
#include "scratch.h"

namespace {

TEST(Desktop, HelpListsSwitchesKeysAndScriptingAndOpensNoWindow) {
  for (const char* line : {"--help", "-h", "/?", "-console -help"}) {
    host.window = nullptr;
    InProcess run;
    run.commandLine = line;
    run.body = [] { ADD_FAILURE() << "the program ran"; };
    testing::internal::CaptureStdout();
    InProcessResult r = run_in_process(run);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(host.window, nullptr) << line;
    for (const char* word :
         {"-console", "-color", "-nocolor", "-scale N", "-fps N", "F11", "Ctrl+Plus", "F12",
          "Ctrl+Q", "PALM_SCRIPT", "window FILE", "press LABEL", "PALM_HEADLESS"})
      EXPECT_NE(out.find(word), std::string::npos) << line << ": " << word;
  }
}

// Headless: no frame limit unless asked; a bad value is named and ignored.
TEST(Desktop, PresentationSwitches) {
  struct Case {
    const char* line;
    int scale, fps;
    const char* complaint;
  } cases[] = {
      {"", 0, 0, nullptr},
      {"-scale 3 -fps 30", 3, 30, nullptr},
      {"/scale 6 /fps 0", 6, 0, nullptr},
      {"-scale 7", 0, 0, "-scale takes a whole number from 1 to 6; ignored"},
      {"-fps x", 0, 0, "-fps takes a whole number from 0 to 1000; ignored"},
  };
  for (const Case& c : cases) {
    InProcess run;
    run.commandLine = c.line;
    testing::internal::CaptureStderr();
    run_in_process(run);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(host.scale, c.scale) << c.line;
    EXPECT_EQ(host.fps, c.fps) << c.line;
    if (c.complaint) {
      EXPECT_NE(err.find(c.complaint), std::string::npos) << c.line << ": " << err;
    }
  }
}

// Frames (automatic refresh off, drawing, on) are held to the limit: eleven frames at 50
// a second span at least ten periods. Drawing outside frames is never held.
TEST(Desktop, FramesAreHeldToTheFrameLimit) {
  static DWORD framed, unframed;
  InProcess run;
  run.commandLine = "-fps 50";
  run.body = [] {
    Ref empty = jstr("");
    DWORD start = GetTickCount();
    for (int i = 0; i < 11; i++) {
      gfx_draw_string(empty, 0, -100, DRAW_BLACK);
      gfx_fill_rectangle(0, 0, 160, 160, i % 2 ? DRAW_BLACK : DRAW_ERASE, 0);
      gfx_draw_string(empty, 0, -200, DRAW_BLACK);
      coop_yield();
    }
    framed = GetTickCount() - start;
    start = GetTickCount();
    for (int i = 0; i < 11; i++) gfx_fill_rectangle(0, 0, 160, 160, DRAW_INVERT, 0);
    unframed = GetTickCount() - start;
  };
  run_in_process(run);
  EXPECT_GE(framed, 195u);
  EXPECT_LT(unframed, 195u);
}

// Ctrl+Q closes as the close box does, F12 saves the screen; neither reaches the program.
TEST(Desktop, HostKeysNeverReachTheProgram) {
  InProcess run;
  run.keepRunning = true;
  run.body = [] {
    Ref s = jstr("stream");
    evt_open(s);
    platform_key(host.window, WM_KEYDOWN, VK_F12);
    pump();
    EXPECT_EQ(host.count, 0);
    EXPECT_EQ(evt_read(s), -1);
  };
  char cwd[4096];
  ASSERT_TRUE(getcwd(cwd, sizeof cwd));
  std::string dir = scratch_dir();
  ASSERT_EQ(chdir(dir.c_str()), 0);
  run.script = "wait 50\nclose\n";
  testing::internal::CaptureStderr();
  run_in_process(run);
  std::string err = testing::internal::GetCapturedStderr();
  ASSERT_EQ(chdir(cwd), 0);
  size_t at = err.find("Test: screen saved as Test-");
  EXPECT_NE(at, std::string::npos) << err;
  std::string name = err.substr(at + 22, err.find('\n', at) - at - 22);
  EXPECT_EQ(access((dir + "/" + name).c_str(), F_OK), 0) << name;
  remove((dir + "/" + name).c_str());
  rmdir(dir.c_str());
}

}  // namespace
