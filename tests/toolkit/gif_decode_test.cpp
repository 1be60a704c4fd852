// The GIF loader through gifdecode, on pictures that Pillow and ImageMagick wrote and
// gif_cases.py reshaped; the expected pixels come from the pictures' own colours.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class GifDecode : public ::testing::Test {
 protected:
  static inline fs::path dir_;
  static inline bool ready_ = false;

  static void SetUpTestSuite() {
    if (std::system("/usr/bin/python3 -c 'import PIL' 2>/dev/null") != 0) return;
    std::string tmpl = (fs::temp_directory_path() / "gifcases-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) return;
    dir_ = tmpl;
    std::string cmd = "/usr/bin/python3 " GIF_CASES " " + dir_.string();
    ready_ = std::system(cmd.c_str()) == 0;
  }
  static void TearDownTestSuite() {
    std::error_code ec;
    if (!dir_.empty()) fs::remove_all(dir_, ec);
  }
  void SetUp() override {
    if (std::system("/usr/bin/python3 -c 'import PIL' 2>/dev/null") != 0)
      GTEST_SKIP() << "python3-pil is not installed";
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
      fs::path out = dir_ / (file + ".out"), err = dir_ / (file + ".stderr");
      std::string cmd = std::string(GIFDECODE) + " " + depth + " " +
                        (dir_ / (name + ".gif")).string() + " >" + out.string() + " 2>" +
                        err.string();
      int status = std::system(cmd.c_str());
      ASSERT_TRUE(WIFEXITED(status)) << file << ": crashed";
      if (ext == ".pgm") {
        EXPECT_EQ(WEXITSTATUS(status), 0) << file << ": " << slurp(err);
        EXPECT_TRUE(slurp(out) == slurp(e.path())) << file << ": pixels differ";
      } else {
        EXPECT_EQ(WEXITSTATUS(status), 1) << file;
        EXPECT_EQ(slurp(err), slurp(e.path())) << file;
        EXPECT_EQ(slurp(out), "") << file;
      }
      checked++;
    }
    EXPECT_GT(checked, 0) << name << ": no expectations";
  }
};

TEST_F(GifDecode, GlobalColourTable) { check("global_table"); }
TEST_F(GifDecode, LocalColourTable) { check("local_table"); }
TEST_F(GifDecode, LocalTableOverridesGlobal) { check("local_over_global"); }
TEST_F(GifDecode, InterlacedRowsInFourPasses) { check("interlaced"); }
TEST_F(GifDecode, OneByteSubBlocks) { check("one_byte_subblocks"); }
TEST_F(GifDecode, TwelveBitCodesClearCodesAndFullSubBlocks) { check("twelve_bit_codes"); }
TEST_F(GifDecode, ExtensionBlocksAreSkipped) { check("extension_blocks"); }
TEST_F(GifDecode, ImageMagickPictures) {
  if (!fs::exists(dir_ / "magick.gif")) GTEST_SKIP() << "no /usr/bin/convert";
  check("magick");
  check("magick_interlaced");
}
TEST_F(GifDecode, ImagePastTheScreenEdgeIsClipped) { check("image_past_screen_edge"); }
TEST_F(GifDecode, ImageLargerThanTheScreenDrawsNothingOutside) {
  check("image_larger_than_screen");
}
TEST_F(GifDecode, TrailerOnlyGivesABlankScreen) { check("trailer_only"); }
TEST_F(GifDecode, UnknownBlockNamesItsByte) { check("unknown_block"); }
TEST_F(GifDecode, ShortReadIsReadPastEof) {
  check("cut_in_raster");
  check("subblock_past_end");
}
TEST_F(GifDecode, CodesOutsideTheTableAreAnException) {
  check("code_past_table");
  check("code_size_12");
}
TEST_F(GifDecode, ScreenBeyondTheHeapIsOutOfMemory) {
  check("screen_65535_square");
  check("screen_past_heap");
}
TEST_F(GifDecode, DepthTwoIsUnsupported) { check("depth_two"); }

}  // namespace
