// Scratch folders: a new empty folder per test, under one root per test program. The root
// is removed when the program ends, unless a test failed (its files stay to be looked at).
#pragma once
#include <gtest/gtest.h>

#include <string>

// A new empty folder named for the running test, plus `name` when given.
std::string scratch_dir(const std::string& name = "");

// The whole content of a file; empty when it cannot be read.
std::string file_bytes(const std::string& path);

// A fixture whose tests each run in their own scratch folder, made the current directory.
class InScratchDir : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  std::string dir_, old_cwd_;
  std::string base_;  // where the folder is made (then removed after the test); empty: the root
};
