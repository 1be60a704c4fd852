// PALM_SCRIPT automation: input commands, screenshots and malformed lines.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#ifdef PALM_HAVE_ZLIB
#include <zlib.h>
#endif

#include <cstdio>
#include <filesystem>
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

// A PNG file's size and RGB rows (filter bytes dropped), through its one IDAT chunk.
struct Png {
  int width = 0, height = 0;
  size_t fileSize = 0;
  std::vector<unsigned char> rgb;
};

Png read_png(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<unsigned char> f((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
  Png p;
  p.fileSize = f.size();
  auto be32 = [&](size_t at) {
    return static_cast<uint32_t>(f[at] << 24 | f[at + 1] << 16 | f[at + 2] << 8 | f[at + 3]);
  };
  if (f.size() < 45 || std::string(f.begin() + 1, f.begin() + 4) != "PNG") return p;
  p.width = static_cast<int>(be32(16));
  p.height = static_cast<int>(be32(20));
  uint32_t length = be32(33);
  if (std::string(f.begin() + 37, f.begin() + 41) != "IDAT" || 41 + length > f.size()) return p;
  std::vector<unsigned char> raw(static_cast<size_t>(p.height) * (1 + 3 * p.width));
#ifdef PALM_HAVE_ZLIB
  uLongf n = raw.size();
  if (uncompress(raw.data(), &n, &f[41], length) != Z_OK || n != raw.size()) return p;
#else  // stored blocks: 5 bytes of block header per 65535 bytes
  for (size_t at = 43, got = 0; got < raw.size(); at += 5) {
    size_t n = f[at + 1] | (f[at + 2] << 8);
    std::copy(&f[at + 5], &f[at + 5 + n], &raw[got]);
    got += n;
    at += n;
  }
#endif
  for (int y = 0; y < p.height; y++)
    p.rgb.insert(p.rgb.end(), raw.begin() + y * (1 + 3 * p.width) + 1,
                 raw.begin() + (y + 1) * (1 + 3 * p.width));
  return p;
}

std::string temp_path(const std::string& name) {
  return "/tmp/palm_host_" + std::to_string(getpid()) + "_" + name;
}

// `shot` is the 320 x 320 screen, `window` the 319 x 459 client area with the silk-screen
// strip; both compressed.
TEST(Script, ShotAndWindowWriteCompressedPngs) {
  std::string shot = temp_path("shot.png"), window = temp_path("window.png");
  HostRun run;
  run.keepRunning = true;
  run.body = [] { gfx_fill_rectangle(0, 0, 1, 1, DRAW_BLACK, 0); };
  run.script = "wait 10\nshot " + shot + "\nwindow " + window + "\nclose\n";
  run_host(run);
  Png s = read_png(shot), w = read_png(window);
  remove(shot.c_str());
  remove(window.c_str());
  ASSERT_EQ(s.width, 320);
  ASSERT_EQ(s.height, 320);
#ifdef PALM_HAVE_ZLIB
  EXPECT_LT(s.fileSize, 320u * 320u * 3u / 10);
#endif
  ASSERT_EQ(s.rgb.size(), 320u * 320u * 3u);
  EXPECT_EQ(s.rgb[0] | s.rgb[3], 0);  // black device pixel (0, 0): window pixels 0 and 1
  EXPECT_EQ(s.rgb[6], 255);           // window pixel 2 is white
  ASSERT_EQ(w.width, HOST_CLIENT_WIDTH);
  ASSERT_EQ(w.height, HOST_CLIENT_HEIGHT);
  ASSERT_EQ(w.rgb.size(), 319u * 459u * 3u);
  EXPECT_EQ(w.rgb[0], 0);
  size_t strip = (340u * 319u + 30u) * 3u;  // inside the "Apps" button (7..61, 330..354)
  EXPECT_NE(w.rgb[strip], 255);
}

// Hostile and malformed scripts end the script with a message naming the line and the
// fault, quoting the line short and escaped; the program goes on and closes itself.
TEST(Script, HostileFilesAreReportedAndTheProgramGoesOn) {
  std::string dir = temp_path("dir");
  mkdir(dir.c_str(), 0700);
  std::string nul = std::string("tap 1 2") + '\0' + "3\n";
  struct Case {
    std::string path, text, expected;
  } cases[] = {
      {"/dev/zero", "", ":1: line longer than 1024 bytes: \"\\x00\\x00"},
      {temp_path("nul.txt"), nul, ":1: NUL byte in the line: \"tap 1 2\\x003\"; script stopped"},
      {temp_path("long.txt"), "wait 1 " + std::string(5000, 'x') + "\n",
       ":1: line longer than 1024 bytes: \"wait 1 xxx"},
      {temp_path("junk.txt"), "wait 5\ntap 10 20 \x1b[2J\n",
       ":2: tap needs X Y; trailing \"\\x1B[2J\": \"tap 10 20 \\x1B[2J\"; script stopped"},
      {dir, "", "cannot open the file (Is a directory); no script run"},
      {temp_path("missing.txt"), "", "cannot open the file (No such file or directory)"},
      // a malformed line stops the script, so its close never runs
      {temp_path("short.txt"), "wait 5\ntap 10\nclose\n",
       ":2: tap needs X Y: \"tap 10\"; script stopped"},
      {temp_path("jump.txt"), "jump 1 2\nclose\n", ":1: "},
      {temp_path("home.txt"), "press Home\nclose\n", ":1: "},
      {temp_path("key.txt"), "key 70000\nclose\n", ":1: "},
      {temp_path("down.txt"), "down 1 2 3\nclose\n", ":1: "},
      {temp_path("wait.txt"), "wait -4\nclose\n", ":1: "},
  };
  for (const Case& c : cases) {
    if (!c.text.empty()) std::ofstream(c.path, std::ios::binary) << c.text;
    HostRun run;
    run.keepRunning = true;
    run.scriptPath = c.path;
    run.body = [] {
      for (int i = 0; i < 20000; i++) coop_yield();
      sys_exit(nullptr, 0);
    };
    testing::internal::CaptureStderr();
    HostResult r = run_host(run);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find(c.expected), std::string::npos) << c.path << ": " << err;
    EXPECT_LT(err.size(), 400u) << c.path;  // the line quoted short
    EXPECT_EQ(r.status, 0);
    if (!c.text.empty()) remove(c.path.c_str());
  }
  rmdir(dir.c_str());
}

// A shot over the file-size limit is reported, leaves no torn file, and the script and
// the program go on (the next command runs).
TEST(Script, ShotThatCannotBeWrittenInFullIsReported) {
  std::string big = temp_path("big.png");
  rlimit old;
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 400;
  setrlimit(RLIMIT_FSIZE, &small);
  HostRun run;
  run.keepRunning = true;
  run.body = [] {  // a picture that does not compress below the limit
    for (int i = 0; i < 200; i++)
      gfx_draw_line(i * 7 % 160, i * 13 % 160, i * 29 % 160, i % 160, 1);
  };
  run.script = "wait 5\nshot " + big + "\nclose\n";
  testing::internal::CaptureStderr();
  HostResult r = run_host(run);
  std::string err = testing::internal::GetCapturedStderr();
  setrlimit(RLIMIT_FSIZE, &old);
  EXPECT_NE(err.find(":2: cannot write " + big + " (File too large)"), std::string::npos) << err;
  EXPECT_EQ(err.find("script stopped"), std::string::npos) << err;
  EXPECT_NE(access(big.c_str(), F_OK), 0);
  EXPECT_EQ(r.status, 0);  // "close" on line 3 ran
}

// A hang is a failure, not a stuck test run: the process ends if a run outlives this.
struct Watchdog {
  Watchdog() { alarm(60); }
  ~Watchdog() { alarm(0); }
};

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Whatever is at a picture's path survives a picture that cannot be written: a read-only
// file of the user's (refused, or over the file-size limit when run as root), a device
// node and a FIFO (refused: not a regular file, and never opened). No scratch file is left.
TEST(Script, FailedPicturesLeaveWhatWasAtThePath) {
  Watchdog watchdog;
  std::string dir = temp_path("targets");
  std::filesystem::create_directories(dir);
  std::string file = dir + "/mine.png", device = dir + "/full", fifo = dir + "/fifo";
  std::ofstream(file) << "the user's own";
  chmod(file.c_str(), 0444);
  bool haveDevice = mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 7)) == 0;  // as /dev/full
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  rlimit old;
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 1500;  // less than the picture, more than the messages
  setrlimit(RLIMIT_FSIZE, &small);
  HostRun run;
  run.keepRunning = true;
  run.body = [] {  // a picture that does not compress below the limit
    for (int i = 0; i < 200; i++)
      gfx_draw_line(i * 7 % 160, i * 13 % 160, i * 29 % 160, i % 160, 1);
  };
  run.script = "wait 5\nshot " + file + "\nshot " + fifo + "\nwindow " + fifo + "\n" +
               (haveDevice ? "shot " + device + "\n" : "") + "close\n";
  testing::internal::CaptureStderr();
  HostResult r = run_host(run);
  std::string err = testing::internal::GetCapturedStderr();
  setrlimit(RLIMIT_FSIZE, &old);
  EXPECT_EQ(r.status, 0) << err;
  EXPECT_EQ(slurp(file), "the user's own");
  struct stat st;
  ASSERT_EQ(stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0444u);
  EXPECT_NE(err.find(":2: cannot write " + file), std::string::npos) << err;
  EXPECT_NE(err.find(":4: cannot write " + fifo + " (not a regular file)"), std::string::npos)
      << err;
  ASSERT_EQ(lstat(fifo.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  if (haveDevice) {
    EXPECT_NE(err.find(":5: cannot write " + device + " (not a regular file)"), std::string::npos)
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
    std::string fifo = temp_path(stalled ? "stalled.fifo" : "idle.fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    writer = -1;
    if (stalled) {
      writer = open(fifo.c_str(), O_RDWR | O_NONBLOCK);  // our own end: its open never waits
      ASSERT_GE(writer, 0);
      ASSERT_EQ(write(writer, "wait 1\ntap 20", 13), 13);
    }
    drew = tapped = false;
    HostRun run;
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
    HostResult r = run_host(run);
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(drew) << "stalled writer: " << stalled;
    EXPECT_EQ(tapped, stalled);
    if (writer >= 0) close(writer);
    remove(fifo.c_str());
  }
}

}  // namespace
