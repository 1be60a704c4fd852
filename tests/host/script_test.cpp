// PALM_SCRIPT automation: input commands, screenshots and malformed lines.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "in_process.h"
#include "scratch.h"

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
  InProcess run = {.body = collect_events, .keepRunning = true};
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
  run_in_process(run);
  EXPECT_EQ(g_words, (std::vector<int32_t>{1, 10,  20,  3, 11,  22, 2,  12, 24,  1, 159, 159,
                                           2, 159, 159, 4, 517, 4,  10, 4,  518, 4, 11}));
}

// Hostile and malformed scripts end the script with a message naming the line and the
// fault, quoting the line short and escaped; the program goes on and closes itself.
TEST(Script, HostileFilesAreReportedAndTheProgramGoesOn) {
  std::string dir = scratch_dir();
  auto temp_path = [&](const char* name) { return dir + "/" + name; };
  std::string nul = std::string("tap 1 2") + '\0' + "3\n";
  struct Case {
    std::string path, text, expected;
  } cases[] = {
      {"/dev/zero", "", ":1: line longer than 1024 bytes: \"\\x00\\x00"},
      {temp_path("nul.txt"), nul, ":1: NUL byte in the line: \"tap 1 2\\x003\"; script stopped"},
      {temp_path("junk.txt"), "wait 5\ntap 10 20 \x1b[2J\n",
       ":2: tap needs X Y; trailing \"\\x1B[2J\": \"tap 10 20 \\x1B[2J\"; script stopped"},
      {dir, "", "cannot open the file (Is a directory); no script run"},
      // a malformed line stops the script, so its close never runs
      {temp_path("short.txt"), "wait 5\ntap 10\nclose\n",
       ":2: tap needs X Y: \"tap 10\"; script stopped"},
      {temp_path("key.txt"), "key 70000\nclose\n", ":1: "},
  };
  for (const Case& c : cases) {
    if (!c.text.empty()) std::ofstream(c.path, std::ios::binary) << c.text;
    auto body = [] {
      for (int i = 0; i < 20000; i++) coop_yield();
      sys_exit(nullptr, 0);
    };
    testing::internal::CaptureStderr();
    InProcessResult r = run_in_process({.body = body, .keepRunning = true, .scriptPath = c.path});
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find(c.expected), std::string::npos) << c.path << ": " << err;
    EXPECT_LT(err.size(), 400u) << c.path;  // the line quoted short
    EXPECT_EQ(r.status, 0);
  }
}

// A hang is a failure, not a stuck test run: the process ends if a run outlives this.
struct Watchdog {
  Watchdog() { alarm(60); }
  ~Watchdog() { alarm(0); }
};

// Whatever is at a picture's path survives a picture that cannot be written: a read-only
// file of the user's (refused, or over the file-size limit when run as root), a device
// node and a FIFO (refused: not a regular file, and never opened). A new picture over the
// file-size limit is reported and leaves no torn file. No scratch file is left, and the
// script and the program go on (the close at the end runs).
TEST(Script, FailedPicturesLeaveWhatWasAtThePath) {
  Watchdog watchdog;
  std::string dir = scratch_dir("targets");
  std::filesystem::create_directories(dir);
  std::string file = dir + "/mine.png", device = dir + "/full", fifo = dir + "/fifo";
  std::string big = dir + "/big.png";
  std::ofstream(file) << "the user's own";
  chmod(file.c_str(), 0444);
  bool haveDevice = mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 7)) == 0;  // as /dev/full
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  rlimit old;
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 1500;  // less than the picture, more than the messages
  setrlimit(RLIMIT_FSIZE, &small);
  InProcess run;
  run.keepRunning = true;
  run.body = [] {  // a picture that does not compress below the limit
    for (int i = 0; i < 200; i++)
      gfx_draw_line(i * 7 % 160, i * 13 % 160, i * 29 % 160, i % 160, 1);
  };
  run.script = "wait 5\nshot " + file + "\nshot " + fifo + "\nwindow " + fifo + "\nshot " + big +
               "\n" + (haveDevice ? "shot " + device + "\n" : "") + "close\n";
  testing::internal::CaptureStderr();
  InProcessResult r = run_in_process(run);
  std::string err = testing::internal::GetCapturedStderr();
  setrlimit(RLIMIT_FSIZE, &old);
  EXPECT_EQ(r.status, 0) << err;
  EXPECT_EQ(file_bytes(file), "the user's own");
  struct stat st;
  ASSERT_EQ(stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0444u);
  EXPECT_NE(err.find(":2: cannot write " + file), std::string::npos) << err;
  EXPECT_NE(err.find(":4: cannot write " + fifo + " (not a regular file)"), std::string::npos)
      << err;
  ASSERT_EQ(lstat(fifo.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  EXPECT_NE(err.find(":5: cannot write " + big + " (File too large)"), std::string::npos) << err;
  EXPECT_EQ(err.find("script stopped"), std::string::npos) << err;
  EXPECT_NE(access(big.c_str(), F_OK), 0);
  if (haveDevice) {
    EXPECT_NE(err.find(":6: cannot write " + device + " (not a regular file)"), std::string::npos)
        << err;
    ASSERT_EQ(lstat(device.c_str(), &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
  }
  size_t entries = 0;
  for (auto& e : std::filesystem::directory_iterator(dir)) entries += !e.path().empty();
  EXPECT_EQ(entries, haveDevice ? 3u : 2u) << "a scratch file was left beside the target";
  std::filesystem::remove_all(dir);
}

// A script from a FIFO never blocks the program: with no writer at all, or with a writer
// stalled half-way through a line, the program draws and takes the window's close; the
// stalled line runs once its writer finishes it.
TEST(Script, FifoScriptsNeverBlockTheProgram) {
  Watchdog watchdog;
  static int writer;
  static bool drew, tapped;
  for (bool stalled : {false, true}) {
    std::string fifo = scratch_dir() + (stalled ? "/stalled.fifo" : "/idle.fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    writer = -1;
    if (stalled) {
      writer = open(fifo.c_str(), O_RDWR | O_NONBLOCK);  // our own end: its open never waits
      ASSERT_GE(writer, 0);
      ASSERT_EQ(write(writer, "wait 1\ntap 20", 13), 13);
    }
    drew = tapped = false;
    InProcess run;
    run.keepRunning = true;
    run.scriptPath = fifo;
    run.body = [] {
      Ref s = jstr("stream");
      evt_open(s);
      evt_set_options(1);
      gfx_fill_rectangle(0, 0, 1, 1, DRAW_BLACK, 0);
      for (int i = 0; i < 3000; i++) coop_yield();
      drew = device_pixel(screen(), 0, 0) == BLACK;
      if (writer >= 0 && write(writer, " 40\n", 4) == 4)
        for (int i = 0; i < 100000 && !tapped; i++) {
          tapped = evt_read(s) == 1;  // pen down, from the completed line
          coop_yield();
        }
      PostMessageA(host.window, WM_CLOSE, 0, 0);  // what the close box posts
    };
    InProcessResult r = run_in_process(run);
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(drew) << "stalled writer: " << stalled;
    EXPECT_EQ(tapped, stalled);
    if (writer >= 0) close(writer);
    remove(fifo.c_str());
  }
}

}  // namespace
