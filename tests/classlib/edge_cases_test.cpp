// Index edge cases of String and StringBuffer, as the published API rules them.
#include <gtest/gtest.h>

#include <climits>

#include "java/lang/String.h"
#include "java/lang/StringBuffer.h"
#include "program.h"

using namespace java::lang;

namespace {

const char* const SIOOBE_CLASS = "java/lang/StringIndexOutOfBoundsException";

// What a call threw, as its class name alone (messages are pinned elsewhere).
std::string thrown_class(const std::function<void()>& fn) {
  std::string t = thrown(fn);
  return t.substr(0, t.find(':'));
}

// getChars of "abc" (String and StringBuffer alike) into a char[4].
struct GetChars {
  jint srcBegin, srcEnd, dstBegin;
  const char* string;  // String.getChars: any index error is a string index error
  const char* buffer;  // StringBuffer.getChars: source checks, then the array copy's
};

LIBRARY_TEST(EdgeCaseTest, GetCharsBounds) {
  static const GetChars cases[] = {
      {0, 3, 1, "no exception", "no exception"}, {3, 3, 0, "no exception", "no exception"},
      {-1, 2, 0, SIOOBE_CLASS, SIOOBE_CLASS},    {0, 4, 0, SIOOBE_CLASS, SIOOBE_CLASS},
      {2, 1, 0, SIOOBE_CLASS, SIOOBE_CLASS},     {0, -1, 0, SIOOBE_CLASS, SIOOBE_CLASS},
      {0, 3, 2, SIOOBE_CLASS, AIOOBE},           {0, 1, -1, SIOOBE_CLASS, AIOOBE},
      {1, 1, -1, SIOOBE_CLASS, AIOOBE},          {1, 1, 5, SIOOBE_CLASS, AIOOBE},
  };
  for (const GetChars& c : cases) {
    SCOPED_TRACE(testing::Message() << c.srcBegin << ".." << c.srcEnd << " at " << c.dstBegin);
    EXPECT_EQ(thrown_class([&] {
                String::getChars(lit("abc"), c.srcBegin, c.srcEnd, new_char_array(4), c.dstBegin);
              }),
              c.string);
    EXPECT_EQ(thrown_class([&] {
                Ref b = jnew<StringBuffer>(lit("abc"));
                StringBuffer::getChars(b, c.srcBegin, c.srcEnd, new_char_array(4), c.dstBegin);
              }),
              c.buffer);
  }
}

LIBRARY_TEST(EdgeCaseTest, IndexOfEmptyStringFromPastTheEndIsTheLength) {
  static const struct Case {
    const char *s, *find;
    jint from, expected;
  } cases[] = {{"abc", "", 5, 3},   {"abc", "", 3, 3},   {"abc", "", -2, 0},
               {"abc", "c", 5, -1}, {"abc", "c", -1, 2}, {"", "", 1, 0}};
  for (const Case& c : cases)
    EXPECT_EQ(String::indexOf(lit(c.s), lit(c.find), c.from), c.expected)
        << c.s << " " << c.find << " " << c.from;
}

// True unless an offset is negative, a range runs past an end, or chars differ.
LIBRARY_TEST(EdgeCaseTest, RegionMatchesRule) {
  static const struct Case {
    jint toffset, ooffset, len;
    bool expected;
  } cases[] = {{0, 0, 3, true},  {1, 0, 2, false},      {0, 0, -1, true},  {4, 0, -1, true},
               {3, 3, 0, true},  {4, 0, 0, false},      {-1, 0, 0, false}, {0, -1, -5, false},
               {2, 2, 2, false}, {0, 0, INT_MIN, true}, {8, 0, -5, true},  {9, 0, -5, false}};
  for (const Case& c : cases)
    EXPECT_EQ(String::regionMatches(lit("abc"), 0, c.toffset, lit("abc"), c.ooffset, c.len) != 0,
              c.expected)
        << c.toffset << " " << c.ooffset << " " << c.len;
}

}  // namespace
