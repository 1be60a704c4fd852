// Scratch folders for tests.
#include "scratch.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace fs = std::filesystem;

static const fs::path& scratch_root() {
  static const fs::path root =
      fs::temp_directory_path() / ("palm_tests_" + std::to_string(std::random_device()()));
  return root;
}

namespace {
struct ScratchCleanup : ::testing::Environment {
  void TearDown() override {
    if (::testing::UnitTest::GetInstance()->Passed()) fs::remove_all(scratch_root());
  }
};
const auto* g_cleanup = ::testing::AddGlobalTestEnvironment(new ScratchCleanup);
}  // namespace

std::string scratch_dir(const std::string& name) {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string leaf = test ? std::string(test->test_suite_name()) + "." + test->name() : "run";
  if (!name.empty()) leaf += "." + name;
  fs::path dir = scratch_root() / leaf;
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir.string();
}

void InScratchDir::SetUp() {
  old_cwd_ = fs::current_path().string();
  if (base_.empty()) {
    dir_ = scratch_dir();
  } else {
    dir_ = (fs::path(base_) / ("palm_tests_" + std::to_string(std::random_device()()))).string();
    fs::create_directories(dir_);
  }
  fs::current_path(dir_);
}

void InScratchDir::TearDown() {
  fs::current_path(old_cwd_);
  if (!base_.empty()) fs::remove_all(dir_);  // outside the root
}

std::string file_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}
