// Language classes: formatting and parsing at the limits, exact messages, strings and
// string buffers and their index edge cases, the case converter, System.
#include <gtest/gtest.h>

#include <climits>

#include "class_lists.h"
#include "com/sun/cldc/i18n/uclc/DefaultCaseConverter.h"
#include "java/lang/Character.h"
#include "java/lang/Class.h"
#include "java/lang/Integer.h"
#include "java/lang/Long.h"
#include "java/lang/Math.h"
#include "java/lang/Runtime.h"
#include "java/lang/String.h"
#include "java/lang/StringBuffer.h"
#include "java/lang/System.h"
#include "java/lang/Throwable.h"
#include "program.h"

using namespace java::lang;

namespace {

Ref chars_of(const char* s) { return String::toCharArray(lit(s)); }

LIBRARY_TEST(ObjectTest, ToStringIsSlashedNameAtLowercaseHexAddress) {
  Ref o = jnew<Object>();
  char hex[32];
  snprintf(hex, sizeof hex, "%x", static_cast<unsigned>(reinterpret_cast<uintptr_t>(o)));
  EXPECT_EQ(text(vcall(Object::m_toString, o)), std::string("java/lang/Object@") + hex);
}

LIBRARY_TEST(ClassTest, ForNameNeedsTheWholeNameInstanceTestsAreNotImplemented) {
  EXPECT_EQ(text(Class::getName(Class::forName(lit("java.lang.String")))), "java/lang/String");
  EXPECT_EQ(text(Class::getName(Class::forName(lit("java/lang/String")))), "java/lang/String");
  EXPECT_EQ(thrown([] { Class::forName(lit("java.lang.Strin")); }),
            "java/lang/ClassNotFoundException");
  EXPECT_EQ(thrown([] { Class::forName(nullptr); }), NPE);
  EXPECT_EQ(text(Class::toString(Class::forName(lit("java.io.DataInput")))),
            "interface java/io/DataInput");
  EXPECT_EQ(text(Class::toString(Class::forName(lit("[C")))), "class [C");
  // Instance tests are not implemented.
  Ref c = Class::forName(lit("java.lang.Object"));
  EXPECT_EQ(thrown([&] { Class::isInstance(c, c); }), RTE "Method not implemented");
  EXPECT_EQ(thrown([&] { Class::isAssignableFrom(c, c); }), RTE "Method not implemented");
  EXPECT_EQ(thrown([&] { Class::isAssignableFrom(nullptr, c); }), NPE);
  EXPECT_TRUE(Class::isArray(Class::forName(lit("[B"))));
  Ref made = Class::newInstance(Class::forName(lit("java.util.Vector")));
  EXPECT_EQ(rt_class_of(made), rt_class_index_by_name("java/util/Vector"));
}

LIBRARY_TEST(StringTest, CharAtConstructorRangesAndHashCodes) {
  EXPECT_EQ(thrown([] { String::charAt(lit("abc"), 3); }), SIOOBE "3");
  EXPECT_EQ(String::hashCode(lit("hello")), 99162322);
  // The range tests must not wrap: offset + count past INT_MAX is out of range.
  Ref volatile a = chars_of("abcd");
  EXPECT_EQ(thrown([&] { jnew<String>(static_cast<Ref>(a), 1, INT_MAX); }), SIOOBE "-2147483648");
  EXPECT_EQ(thrown([&] { jnew<String>(static_cast<Ref>(a), INT_MAX, 2); }), SIOOBE "-2147483647");
  EXPECT_EQ(thrown([&] { jnew<String>(static_cast<Ref>(a), -1, 2); }), SIOOBE "-1");
  EXPECT_EQ(thrown([&] { jnew<String>(static_cast<Ref>(a), 3, 2); }), SIOOBE "5");
  EXPECT_EQ(text(jnew<String>(static_cast<Ref>(a), 1, 3)), "bcd");
  Ref volatile b = byte_array({0x41, 0x42, 0x43});
  auto make = [&](jint off, jint len) {
    return jnew_by<String>(static_cast<void (*)(Ref, Ref, jint, jint)>(&String::initBytes),
                           static_cast<Ref>(b), off, len);
  };
  EXPECT_EQ(thrown([&] { make(2, INT_MAX); }), SIOOBE "-2147483647");
  EXPECT_EQ(thrown([&] { make(INT_MAX, 1); }), SIOOBE "-2147483648");
  EXPECT_EQ(text(make(1, 2)), "BC");
}

LIBRARY_TEST(StringTest, BytesDecodeAsLatin1AndCharsAbove255EncodeAsQuestionMarks) {
  Ref s = jnew_by<String>(static_cast<void (*)(Ref, Ref)>(&String::initBytes),
                          byte_array({0x41, 0xff}));
  EXPECT_EQ(chars(s), u"A\u00ff");
  EXPECT_EQ(array_bytes(String::getBytes(jstr16(u"-e\u00e9\u20ac", 1, 3))),  // from its offset
            (std::vector<uint8_t>{0x65, 0xe9, 0x3f}));
  EXPECT_EQ(thrown([] { String::getBytes(lit("x"), lit("KOI8")); }),
            "java/io/UnsupportedEncodingException: Encoding KOI8 not found");
}

LIBRARY_TEST(StringTest, SearchAndSubstrings) {
  Ref s = lit("socket://host:80");
  EXPECT_EQ(String::indexOf(s, ':'), 6);
  EXPECT_EQ(String::indexOf(s, ':', 7), 13);
  EXPECT_EQ(String::indexOf(s, 's', -5), 0);  // a negative start is the first character
  EXPECT_EQ(String::lastIndexOf(s, ':'), 13);
  EXPECT_EQ(String::indexOf(s, lit("host")), 9);
  EXPECT_EQ(text(String::substring(s, 9, 13)), "host");
  EXPECT_EQ(text(String::substring(s, 14)), "80");
  EXPECT_EQ(thrown([&] { String::substring(s, 5, 4); }), SIOOBE "-1");
  EXPECT_EQ(thrown([&] { String::substring(s, 0, 17); }), SIOOBE "17");
  EXPECT_TRUE(String::startsWith(s, lit("socket")));
  EXPECT_FALSE(String::startsWith(s, lit("x"), INT_MAX));
  EXPECT_TRUE(String::endsWith(s, lit(":80")));
  EXPECT_EQ(text(String::trim(lit("  a b \n"))), "a b");
  EXPECT_EQ(text(String::toUpperCase(lit("aZ9"))), "AZ9");
  EXPECT_EQ(text(String::replace(lit("a.b.c"), '.', '/')), "a/b/c");
  EXPECT_LT(String::compareTo(lit("abc"), lit("abd")), 0);
  EXPECT_EQ(text(String::valueOf(static_cast<Ref>(nullptr))), "null");
}

LIBRARY_TEST(StringBufferTest, GrowthNullAndSharingWithItsStrings) {
  Ref sb = jnew<StringBuffer>();
  EXPECT_EQ(StringBuffer::capacity(sb), 16);
  for (int i = 0; i < 16; i++) StringBuffer::appendChar(sb, 'x');
  EXPECT_EQ(StringBuffer::capacity(sb), 16);
  StringBuffer::appendChar(sb, 'y');
  EXPECT_EQ(StringBuffer::capacity(sb), 34);
  Ref zero = jnew<StringBuffer>(0);
  StringBuffer::appendChar(zero, 'a');
  EXPECT_EQ(StringBuffer::capacity(zero), 2);
  StringBuffer::appendString(zero, lit("0123456789"));
  EXPECT_EQ(StringBuffer::capacity(zero), 11);  // the minimum beats (2 + 1) x 2
  StringBuffer::appendString(zero, nullptr);
  EXPECT_EQ(text(StringBuffer::toString(zero)), "a0123456789null");
  // A String made from a buffer never changes, whatever the buffer does.
  sb = jnew<StringBuffer>(lit("abc"));
  Ref s = StringBuffer::toString(sb);
  StringBuffer::appendString(sb, lit("def"));
  StringBuffer::setCharAt(sb, 0, 'X');
  EXPECT_EQ(text(s), "abc");
  Ref t = StringBuffer::toString(sb);
  StringBuffer::setLength(sb, 1);
  StringBuffer::appendString(sb, lit("zz"));
  StringBuffer::reverse(sb);
  StringBuffer::insertString(sb, 0, lit("!"));
  StringBuffer::deleteCharAt(sb, 1);
  EXPECT_EQ(text(t), "Xbcdef");
  EXPECT_EQ(text(s), "abc");
  EXPECT_EQ(text(StringBuffer::toString(sb)), "!zX");
}

LIBRARY_TEST(IntegerTest, FormattingParsingAndMessages) {
  struct Shown {
    jint value, radix;
    const char* text;
  };
  for (Shown c : {Shown{INT_MAX, 10, "2147483647"},
                  {0, 10, "0"},
                  {255, 16, "ff"},
                  {255, 99, "255"},
                  {INT_MIN, 2, "-10000000000000000000000000000000"},
                  {-35, 36, "-z"}})
    EXPECT_EQ(text(Integer::toString(c.value, c.radix)), c.text) << c.value << " " << c.radix;
  EXPECT_EQ(text(Integer::toString(INT_MIN)), "-2147483648");
  EXPECT_EQ(text(Integer::toHexString(-1)), "ffffffff");
  EXPECT_EQ(text(Integer::toHexString(INT_MIN)), "80000000");
  EXPECT_EQ(Integer::parseInt(lit("-2147483648")), INT_MIN);
  EXPECT_EQ(Integer::parseInt(lit("-0")), 0);
  EXPECT_EQ(Integer::parseInt(lit("7fffffff"), 16), INT_MAX);
  EXPECT_EQ(Integer::parseInt(lit("Zz"), 36), 35 * 36 + 35);
  struct Bad {
    const char* text;  // nullptr: a null string
    jint radix;
    const char* thrown;
  };
  for (Bad c : {Bad{"2147483648", 10, NFE "2147483648"},
                {nullptr, 10, NFE "null"},
                {"1", 1, NFE "radix 1 less than Character.MIN_RADIX"},
                {"1", 37, NFE "radix 37 greater than Character.MAX_RADIX"},
                {"-", 10, NFE "-"},
                {"", 10, NFE ""},
                {"12a", 10, NFE "12a"},
                {"+1", 10, NFE "+1"},
                {"8", 8, NFE "8"}})
    EXPECT_EQ(thrown([&] { Integer::parseInt(c.text ? lit(c.text) : nullptr, c.radix); }), c.thrown)
        << (c.text ? c.text : "null");
}

LIBRARY_TEST(LongTest, ValueObjectsFormattingParsingAndHash) {
  Ref a = Integer::valueOf(lit("-12")), b = jnew<Integer>(-12);
  EXPECT_TRUE(vcall(Object::m_equals, a, b));
  EXPECT_FALSE(vcall(Object::m_equals, a, jnew<Long>(static_cast<jlong>(-12))));
  EXPECT_EQ(vcall(Object::m_hashCode, a), -12);
  EXPECT_EQ(text(vcall(Object::m_toString, a)), "-12");
  EXPECT_EQ(text(Long::toString(LLONG_MIN)), "-9223372036854775808");
  EXPECT_EQ(text(Long::toString(-255, 16)), "-ff");
  EXPECT_EQ(Long::parseLong(lit("-9223372036854775808")), LLONG_MIN);
  EXPECT_EQ(thrown([] { Long::parseLong(lit("9223372036854775808")); }), NFE "9223372036854775808");
  Ref l = jnew<Long>(static_cast<jlong>(0x123456789LL));
  EXPECT_EQ(vcall(Object::m_hashCode, l), 0x23456789 ^ 0x1);
  EXPECT_TRUE(vcall(Object::m_equals, l, jnew<Long>(static_cast<jlong>(0x123456789LL))));
}

LIBRARY_TEST(CharacterTest, DigitThroughTheConverterFoundByName) {
  EXPECT_EQ(Character::digit('z', 36), 35);
  EXPECT_EQ(Character::digit('Z', 36), 35);
  EXPECT_EQ(Character::digit('8', 8), -1);
  EXPECT_EQ(Character::digit('1', 37), -1);
  EXPECT_EQ(Character::digit(0xe9, 36), -1);
  EXPECT_EQ(text(vcall(Object::m_toString, jnew<Character>(static_cast<jchar>('q')))), "q");
}

// Without the converter class the first use reports the name and the cause.
TEST(CharacterTest, MissingConverterIsReportedWithItsName) {
  std::vector<ClassDecl*> classes = cldc_core_classes();
  std::erase(classes, &com::sun::cldc::i18n::uclc::DefaultCaseConverter::klass);
  run_program(classes, [] {
    EXPECT_EQ(thrown([] { Character::digit('1', 10); }), RTE
              "Cannot find case converter class "
              "com.sun.cldc.i18n.uclc.DefaultCaseConverter -> null");
  });
}

// The index exceptions' messages are pinned where String and Vector throw them.
LIBRARY_TEST(ExceptionTest, AMessageKeepsCharsAbove255Whole) {
  Ref e = jnew<Throwable>(jstr16(u"\u20ac"));
  EXPECT_EQ(chars(vcall(Object::m_toString, e)), u"java/lang/Throwable: \u20ac");
}

LIBRARY_TEST(SystemTest, PropertiesArraycopyExitAndMemory) {
  EXPECT_EQ(thrown([] { System::getProperty(nullptr); }), NPE ": key can't be null");
  EXPECT_EQ(thrown([] { System::getProperty(lit("")); }), IAE "key can't be empty");
  EXPECT_EQ(text(System::getProperty(lit("microedition.configuration"))), "cldc");
  EXPECT_EQ(System::getProperty(lit("microedition.protocolpath")), nullptr);
  Ref volatile ints = rt_new_array(rt_class_index_by_name("[I"), 4, 4);
  Ref volatile cs = new_char_array(4);
  EXPECT_EQ(thrown([&] { System::arraycopy(ints, 0, cs, 0, 1); }),
            RTE "Array element size mismatch");
  EXPECT_EQ(thrown([&] { System::arraycopy(ints, 0, ints, 0, -1); }),
            "java/lang/IllegalArgumentException");
  EXPECT_EQ(thrown([&] { System::arraycopy(nullptr, 0, ints, 0, 1); }), NPE);
  EXPECT_EQ(thrown([&] { System::arraycopy(ints, 1, ints, 0, INT_MAX); }), AIOOBE);
  void* storage = rt_array(cs)->storage;  // an array without storage is a null pointer
  rt_array(cs)->storage = nullptr;
  EXPECT_EQ(thrown([&] { System::arraycopy(cs, 0, cs, 1, 1); }), NPE);
  rt_array(cs)->storage = storage;
  System::exit(3);
  EXPECT_EQ(host_log.exits, std::vector<jint>{3});
  EXPECT_EQ(Runtime::totalMemory(Runtime::getRuntime()), 131072);
  EXPECT_GT(System::currentTimeMillis(), 1600000000000LL);
}

TEST(MathTest, TheSmallestIntIsItsOwnAbsoluteValue) { EXPECT_EQ(Math::abs(INT_MIN), INT_MIN); }

// Index edge cases of String and StringBuffer, as the published API rules them.
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
      {-1, 2, 0, SIOOBE_CLASS, SIOOBE_CLASS},    {2, 1, 0, SIOOBE_CLASS, SIOOBE_CLASS},
      {0, 3, 2, SIOOBE_CLASS, AIOOBE},           {1, 1, -1, SIOOBE_CLASS, AIOOBE},
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
  } cases[] = {{"abc", "", 5, 3}, {"abc", "", -2, 0}, {"", "", 1, 0}};
  for (const Case& c : cases)
    EXPECT_EQ(String::indexOf(lit(c.s), lit(c.find), c.from), c.expected)
        << c.s << " " << c.find << " " << c.from;
}

// True unless an offset is negative, a range runs past an end, or chars differ.
LIBRARY_TEST(EdgeCaseTest, RegionMatchesRule) {
  static const struct Case {
    jint toffset, ooffset, len;
    bool expected;
  } cases[] = {{0, 0, 3, true},   {1, 0, 2, false}, {4, 0, -1, true},   {4, 0, 0, false},
               {-1, 0, 0, false}, {2, 2, 2, false}, {0, -1, -5, false}, {9, 0, -5, false}};
  for (const Case& c : cases)
    EXPECT_EQ(String::regionMatches(lit("abc"), 0, c.toffset, lit("abc"), c.ooffset, c.len) != 0,
              c.expected)
        << c.toffset << " " << c.ooffset << " " << c.len;
}

}  // namespace
