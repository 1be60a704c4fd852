// The GIF loader through gifdecode, on pictures that Pillow and ImageMagick wrote and
// gif_cases.py reshaped; the expected pixels come from the pictures' own colours.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "gif_cases.h"
#include "run_executable.h"

namespace fs = std::filesystem;

namespace {

class GifDecode : public ::testing::Test {
 protected:
  static inline fs::path dir_;
  static inline bool pillow_ = false, ready_ = false;

  static void SetUpTestSuite() {
    pillow_ = have_pillow();
    if (!pillow_) return;
    dir_ = scratch_dir("gifcases");
    ready_ = write_gif_cases(dir_.string());
  }
  void SetUp() override {
    if (!pillow_) GTEST_SKIP() << "python3-pil is not installed";
    ASSERT_TRUE(ready_) << "gif_cases.py failed";
  }

  // Every expectation written for the case: NAME.DEPTH.pgm is standard output with exit 0,
  // NAME.DEPTH.err the line on standard error with exit 1.
  static void check(const std::string& name) {
    int checked = 0;
    for (const auto& e : fs::directory_iterator(dir_)) {
      std::string file = e.path().filename().string();
      if (file.rfind(name + ".", 0) != 0 || file.size() < name.size() + 6) continue;
      std::string ext = e.path().extension().string();
      if (ext != ".pgm" && ext != ".err") continue;
      std::string depth = file.substr(name.size() + 1, file.size() - name.size() - 5);
      std::string gif = (dir_ / (name + ".gif")).string();
      ProgramRun run = run_executable(GIFDECODE, depth + " " + gif, scratch_dir("run"), "");
      bool picture = ext == ".pgm";
      EXPECT_EQ(run.status, picture ? 0 : 1) << file << ": " << run.err;
      EXPECT_TRUE(run.out == (picture ? file_bytes(e.path()) : "")) << file << ": pixels differ";
      EXPECT_TRUE(picture || run.err == file_bytes(e.path())) << file << ": " << run.err;
      checked++;
    }
    EXPECT_GT(checked, 0) << name << ": no expectations";
  }
};

// Each picture of gif_cases.py, named by what it shows: colour tables, interlacing, sub-block
// and code widths, skipped and unknown blocks, clipping, and the loader's refusals.
TEST_F(GifDecode, EveryCaseDecodesAsItsPictureSays) {
  for (const char* name :
       {"global_table", "local_table", "local_over_global", "interlaced", "one_byte_subblocks",
        "twelve_bit_codes", "extension_blocks", "image_past_screen_edge",
        "image_larger_than_screen", "trailer_only", "unknown_block", "cut_in_raster",
        "subblock_past_end", "code_past_table", "code_size_12", "screen_65535_square",
        "screen_past_heap", "depth_two"}) {
    SCOPED_TRACE(name);
    check(name);
  }
  if (!fs::exists(dir_ / "magick.gif")) GTEST_SKIP() << "no /usr/bin/convert";
  check("magick");
  check("magick_interlaced");
}

// What a run of gifdecode left: exit status (-1 if killed), its streams, its peak memory.
struct Outcome {
  int status = -1;
  std::string out, err;
  long maxRssKb = 0;
};

// Runs gifdecode 1 FILE; one that runs past 30 seconds (reading a device for ever) is killed.
// A forked child starts from this process's present size, not its peak as a spawned one
// would, so the peak it reports is its own (or this small process's).
Outcome gifdecode(const fs::path& dir, const std::string& file) {
  fs::path out = dir / "run.out", err = dir / "run.err";
  Outcome run;
  pid_t pid = fork();
  if (pid == 0) {
    int in = open("/dev/null", O_RDONLY);
    int o = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int e = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || o < 0 || e < 0 || dup2(in, 0) < 0 || dup2(o, 1) < 0 || dup2(e, 2) < 0) _exit(127);
    execl(GIFDECODE, GIFDECODE, "1", file.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  if (pid < 0) return run;
  int wstatus = 0;
  rusage usage{};
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (wait4(pid, &wstatus, WNOHANG, &usage) == 0) {
    if (std::chrono::steady_clock::now() > deadline) kill(pid, SIGKILL);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  if (WIFEXITED(wstatus)) run.status = WEXITSTATUS(wstatus);
  run.out = file_bytes(out);
  run.err = file_bytes(err);
  run.maxRssKb = usage.ru_maxrss;
  return run;
}

class GifDecodeFile : public ::testing::Test {
 protected:
  void SetUp() override { dir_ = scratch_dir(); }
  fs::path dir_;
};

// What is no picture file, or more than the heap could hold, is never read whole: one line
// names it on standard error, exit 1, and the tool stays as small as on a tiny picture.
TEST_F(GifDecodeFile, NoFileOrTooLargeAFileIsOneLineAndBoundedMemory) {
  fs::path tiny = dir_ / "tiny.gif";
  std::ofstream(tiny, std::ios::binary) << std::string("GIF89a\1\0\1\0\0\0\0;", 14);
  Outcome small = gifdecode(dir_, tiny);
  ASSERT_EQ(small.status, 0) << small.err;
  fs::path fifo = dir_ / "fifo.gif", big = dir_ / "big.gif", huge = dir_ / "huge.gif";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);  // no writer: opening it would wait for one
  std::ofstream bigFile(big, std::ios::binary);
  // One chunk written again and again: the child's peak counts this process's pages until its
  // exec, and freed chunks stay resident under AddressSanitizer.
  const std::string chunk(64 << 10, 'G');
  for (int i = 0; i < 160; i++) bigFile << chunk;  // 10 MB
  bigFile.close();
  std::ofstream(huge).close();
  ASSERT_EQ(truncate64(huge.c_str(), int64_t{1} << 36), 0);  // sparse: no disk used
  const std::string cases[] = {dir_.string(), "/dev/zero",   fifo.string(),
                               big.string(),  huge.string(), (dir_ / "missing.gif").string()};
  for (const std::string& file : cases) {
    SCOPED_TRACE(file);
    Outcome run = gifdecode(dir_, file);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("gifdecode: " + file + ": ", 0), 0u) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_LT(run.maxRssKb, small.maxRssKb + 2048);
  }
}

}  // namespace
