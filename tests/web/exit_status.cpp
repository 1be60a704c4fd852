// Under node a test program's main ends in a later turn of the event loop (its threads
// switch by unwinding to it), where its return value is lost: the status leaves by exit().
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

struct ExitWithStatus : testing::EmptyTestEventListener {
  void OnTestProgramEnd(const testing::UnitTest& unit) override {
    fflush(stdout);
    exit(unit.Passed() ? 0 : 1);
  }
};

const bool registered = [] {
  testing::UnitTest::GetInstance()->listeners().Append(new ExitWithStatus);
  return true;
}();

}  // namespace
