// What the host adds around the programs: the frame limit and its own keys. (Help and
// version: the automation tests, on the real programs.)
#include <gtest/gtest.h>
#include <unistd.h>

#include "in_process.h"
#include "scratch.h"

namespace {

// Frames (automatic refresh off, drawing, on) are held to the limit: eleven frames at 50
// a second span at least ten periods. Drawing outside frames is never held.
TEST(Desktop, FramesAreHeldToTheFrameLimit) {
  static DWORD framed, unframed;
  InProcess run = {.commandLine = "-fps 50"};
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

// F12 saves the screen into the current folder and never reaches the program.
using HostKeys = InScratchDir;
TEST_F(HostKeys, NeverReachTheProgram) {
  InProcess run = {.keepRunning = true, .script = "wait 50\nclose\n"};
  run.body = [] {
    Ref s = jstr("stream");
    evt_open(s);
    platform_key(host.window, WM_KEYDOWN, VK_F12);
    pump();
    EXPECT_EQ(host.count, 0);
    EXPECT_EQ(evt_read(s), -1);
  };
  testing::internal::CaptureStderr();
  run_in_process(run);
  std::string err = testing::internal::GetCapturedStderr();
  size_t at = err.find("Test: screen saved as Test-");
  EXPECT_NE(at, std::string::npos) << err;
  std::string name = err.substr(at + 22, err.find('\n', at) - at - 22);
  EXPECT_EQ(access(name.c_str(), F_OK), 0) << name;
}

}  // namespace
