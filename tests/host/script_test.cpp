// PALM_SCRIPT automation: input commands, screenshots and malformed lines.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "harness.h"

namespace {

std::vector<int32_t> g_words;

// The application reads events until it has the 23 words the script gives, then closes
// the window; the script's own close is only a fallback.
void collect_events() {
  Ref s = jstr("stream");
  evt_open(s);
  evt_set_options(1);
  g_words.clear();
  while (g_words.size() < 23) {
    int32_t w = evt_read(s);
    if (w != -1) g_words.push_back(w);
    coop_yield();
  }
  sys_exit(nullptr, 0);
}

TEST(Script, InputCommandsPostTheUsersMessages) {
  HostRun run;
  run.keepRunning = true;
  run.body = collect_events;
  run.script =
      "# pen, keys and buttons\n"
      "wait 10\n"
      "down 20 40\n"
      "move 22 44   # a drag\n"
      "up 24 48\n"
      "tap 318 318\n"
      "key 37\n"
      "char 13\n"
      "press To Do\n"
      "press PgUp\n"
      "wait 10000\n"
      "close\n";
  run_host(run);
  EXPECT_EQ(g_words, (std::vector<int32_t>{1, 10,  20,  3, 11,  22, 2,  12, 24,  1, 159, 159,
                                           2, 159, 159, 4, 517, 4,  10, 4,  518, 4, 11}));
}

TEST(Script, ShotWritesTheScreenAsPng) {
  const char* path = "/tmp/palm_host_shot_test.png";
  remove(path);
  HostRun run;
  run.keepRunning = true;
  run.body = [] { gfx_fill_rectangle(0, 0, 1, 1, DRAW_BLACK, 0); };
  run.script = std::string("wait 10\nshot ") + path + "\nclose\n";
  run_host(run);
  std::ifstream in(path, std::ios::binary);
  std::vector<unsigned char> png((std::istreambuf_iterator<char>(in)),
                                 std::istreambuf_iterator<char>());
  ASSERT_GT(png.size(), 320u * 320u * 3u);
  EXPECT_EQ(std::string(png.begin() + 1, png.begin() + 4), "PNG");
  EXPECT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR");
  auto be32 = [&](size_t at) {
    return png[at] << 24 | png[at + 1] << 16 | png[at + 2] << 8 | png[at + 3];
  };
  EXPECT_EQ(be32(16), 320);
  EXPECT_EQ(be32(20), 320);
  // Stored deflate: the first block's data starts with row 0's filter byte, then RGB.
  size_t idat = 33 + 8;  // after IHDR, the IDAT length and type
  ASSERT_EQ(std::string(png.begin() + 37, png.begin() + 41), "IDAT");
  size_t data = idat + 2 + 5;   // zlib header, stored block header
  EXPECT_EQ(png[data], 0);      // filter
  EXPECT_EQ(png[data + 1], 0);  // black device pixel (0, 0): window pixels 0 and 1
  EXPECT_EQ(png[data + 4], 0);
  EXPECT_EQ(png[data + 7], 255);  // window pixel 2 is white
}

TEST(Script, MalformedLineStopsTheScriptNamingTheLineAndTheProgramGoesOn) {
  HostRun run;
  run.keepRunning = true;
  run.script = "wait 5\ntap 10\nclose\n";
  // The script stops at line 2, so "close" never runs: the program closes itself.
  run.body = [] {
    for (int i = 0; i < 200000 && !host.count; i++) coop_yield();
    sys_exit(nullptr, 0);
  };
  testing::internal::CaptureStderr();
  HostResult r = run_host(run);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find(":2: tap needs X Y: \"tap 10\"; script stopped"), std::string::npos) << err;
  EXPECT_EQ(r.status, 0);
}

TEST(Script, UnknownCommandAndBadLabelAreMalformed) {
  for (const char* line : {"jump 1 2", "press Home", "key 70000", "down 1 2 3", "wait -4"}) {
    HostRun run;
    run.keepRunning = true;
    run.script = std::string(line) + "\nclose\n";
    run.body = [] {
      for (int i = 0; i < 20000; i++) coop_yield();
      sys_exit(nullptr, 0);
    };
    testing::internal::CaptureStderr();
    run_host(run);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find(":1: "), std::string::npos) << line << ": " << err;
  }
}

}  // namespace
