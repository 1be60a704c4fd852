// Language classes: formatting and parsing at the limits, exact messages, strings and
// string buffers, the case converter, System.
#include <gtest/gtest.h>

#include <climits>

#include "class_lists.h"
#include "com/sun/cldc/i18n/uclc/DefaultCaseConverter.h"
#include "harness.h"
#include "java/lang/ArrayIndexOutOfBoundsException.h"
#include "java/lang/Character.h"
#include "java/lang/Class.h"
#include "java/lang/Integer.h"
#include "java/lang/Long.h"
#include "java/lang/Math.h"
#include "java/lang/Runtime.h"
#include "java/lang/String.h"
#include "java/lang/StringBuffer.h"
#include "java/lang/StringIndexOutOfBoundsException.h"
#include "java/lang/System.h"
#include "java/lang/Throwable.h"

using namespace java::lang;

namespace {

Ref chars_of(const char* s) { return String::toCharArray(lit(s)); }

TEST(ObjectTest, ToStringIsSlashedNameAtLowercaseHexAddress) {
  run_library([] {
    Ref o = jnew<Object>();
    char hex[32];
    snprintf(hex, sizeof hex, "%x", static_cast<unsigned>(reinterpret_cast<uintptr_t>(o)));
    EXPECT_EQ(text(vcall(Object::m_toString, o)), std::string("java/lang/Object@") + hex);
  });
}

TEST(ClassTest, ForNameMapsDotsAndNeedsTheWholeName) {
  run_library([] {
    EXPECT_EQ(text(Class::getName(Class::forName(lit("java.lang.String")))), "java/lang/String");
    EXPECT_EQ(text(Class::getName(Class::forName(lit("java/lang/String")))), "java/lang/String");
    EXPECT_EQ(thrown([] { Class::forName(lit("java.lang.Strin")); }),
              "java/lang/ClassNotFoundException");
    EXPECT_EQ(thrown([] { Class::forName(lit("java.lang.Strings")); }),
              "java/lang/ClassNotFoundException");
    EXPECT_EQ(thrown([] { Class::forName(nullptr); }), "java/lang/NullPointerException");
    EXPECT_EQ(text(Class::toString(Class::forName(lit("java.io.DataInput")))),
              "interface java/io/DataInput");
    EXPECT_EQ(text(Class::toString(Class::forName(lit("[C")))), "class [C");
  });
}

TEST(ClassTest, InstanceTestsAreNotImplementedGetClassIsNewEachTime) {
  run_library([] {
    Ref c = Class::forName(lit("java.lang.Object"));
    EXPECT_EQ(thrown([&] { Class::isInstance(c, c); }),
              "java/lang/RuntimeException: Method not implemented");
    EXPECT_EQ(thrown([&] { Class::isInstance(c, nullptr); }), "java/lang/NullPointerException");
    EXPECT_EQ(thrown([&] { Class::isAssignableFrom(c, c); }),
              "java/lang/RuntimeException: Method not implemented");
    EXPECT_EQ(thrown([&] { Class::isAssignableFrom(nullptr, c); }),
              "java/lang/NullPointerException");
    EXPECT_TRUE(Class::isArray(Class::forName(lit("[B"))));
    EXPECT_FALSE(Class::isInterface(c));
    Ref made = Class::newInstance(Class::forName(lit("java.util.Vector")));
    EXPECT_EQ(rt_class_of(made), rt_class_index_by_name("java/util/Vector"));
    Ref o = jnew<Object>();
    Ref a = Object::getClass(o), b = Object::getClass(o);
    EXPECT_NE(a, b);
    EXPECT_EQ(text(Class::getName(a)), text(Class::getName(b)));
  });
}

TEST(StringTest, CharAtOutOfRangeNamesTheIndexHashCodes) {
  run_library([] {
    EXPECT_EQ(thrown([] { String::charAt(lit("abc"), 3); }),
              "java/lang/StringIndexOutOfBoundsException: String index out of range: 3");
    EXPECT_EQ(thrown([] { String::charAt(lit("abc"), -1); }),
              "java/lang/StringIndexOutOfBoundsException: String index out of range: -1");
    EXPECT_EQ(String::hashCode(lit("")), 0);
    EXPECT_EQ(String::hashCode(lit("a")), 97);
    EXPECT_EQ(String::hashCode(lit("hello")), 99162322);
  });
}

// The range test must not wrap: offset + count past INT_MAX is out of range, not negative.
TEST(StringTest, CharConstructorRangesAreTestedWithoutOverflow) {
  run_library([] {
    Ref volatile a = chars_of("abcd");
    EXPECT_EQ(thrown([&] { jnew<String>(static_cast<Ref>(a), 1, INT_MAX); }),
              "java/lang/StringIndexOutOfBoundsException: String index out of range: -2147483648");
    EXPECT_EQ(thrown([&] { jnew<String>(static_cast<Ref>(a), INT_MAX, 2); }),
              "java/lang/StringIndexOutOfBoundsException: String index out of range: -2147483647");
    EXPECT_EQ(thrown([&] { jnew<String>(static_cast<Ref>(a), -1, 2); }),
              "java/lang/StringIndexOutOfBoundsException: String index out of range: -1");
    EXPECT_EQ(thrown([&] { jnew<String>(static_cast<Ref>(a), 0, -1); }),
              "java/lang/StringIndexOutOfBoundsException: String index out of range: -1");
    EXPECT_EQ(thrown([&] { jnew<String>(static_cast<Ref>(a), 3, 2); }),
              "java/lang/StringIndexOutOfBoundsException: String index out of range: 5");
    EXPECT_EQ(text(jnew<String>(static_cast<Ref>(a), 1, 3)), "bcd");
    EXPECT_EQ(text(jnew<String>(static_cast<Ref>(a), 4, 0)), "");
  });
}

TEST(StringTest, ByteConstructorRangesAreTestedWithoutOverflow) {
  run_library([] {
    Ref volatile b = bytes({0x41, 0x42, 0x43});
    auto make = [&](jint off, jint len) {
      return jnew_by<String>(static_cast<void (*)(Ref, Ref, jint, jint)>(&String::initBytes),
                             static_cast<Ref>(b), off, len);
    };
    EXPECT_EQ(thrown([&] { make(2, INT_MAX); }),
              "java/lang/StringIndexOutOfBoundsException: String index out of range: -2147483647");
    EXPECT_EQ(thrown([&] { make(INT_MAX, 1); }),
              "java/lang/StringIndexOutOfBoundsException: String index out of range: -2147483648");
    EXPECT_EQ(thrown([&] { make(-5, 1); }),
              "java/lang/StringIndexOutOfBoundsException: String index out of range: -5");
    EXPECT_EQ(text(make(1, 2)), "BC");
  });
}

TEST(StringTest, BytesDecodeAsLatin1AndCharsAbove255EncodeAsQuestionMarks) {
  run_library([] {
    Ref s =
        jnew_by<String>(static_cast<void (*)(Ref, Ref)>(&String::initBytes), bytes({0x41, 0xff}));
    EXPECT_EQ(chars(s), u"A\u00ff");
    EXPECT_EQ(bytes_of(String::getBytes(jstr16(u"e\u00e9\u20ac"))),
              (std::vector<int>{0x65, 0xe9, 0x3f}));
    EXPECT_EQ(thrown([] { String::getBytes(lit("x"), lit("KOI8")); }),
              "java/io/UnsupportedEncodingException: Encoding KOI8 not found");
  });
}

TEST(StringTest, SearchAndSubstrings) {
  run_library([] {
    Ref s = lit("socket://host:80");
    EXPECT_EQ(String::indexOf(s, ':'), 6);
    EXPECT_EQ(String::indexOf(s, ':', 7), 13);
    EXPECT_EQ(String::indexOf(s, 's', -5), 0);  // a negative start is the first character
    EXPECT_EQ(String::lastIndexOf(s, ':'), 13);
    EXPECT_EQ(String::indexOf(s, lit("host")), 9);
    EXPECT_EQ(String::indexOf(s, lit("nope")), -1);
    EXPECT_EQ(text(String::substring(s, 9, 13)), "host");
    EXPECT_EQ(text(String::substring(s, 14)), "80");
    EXPECT_EQ(thrown([&] { String::substring(s, 5, 4); }),
              "java/lang/StringIndexOutOfBoundsException: String index out of range: -1");
    EXPECT_EQ(thrown([&] { String::substring(s, 0, 17); }),
              "java/lang/StringIndexOutOfBoundsException: String index out of range: 17");
    EXPECT_TRUE(String::startsWith(s, lit("socket")));
    EXPECT_FALSE(String::startsWith(s, lit("x"), INT_MAX));
    EXPECT_TRUE(String::endsWith(s, lit(":80")));
    EXPECT_EQ(text(String::trim(lit("  a b \n"))), "a b");
    EXPECT_EQ(text(String::toUpperCase(lit("aZ9"))), "AZ9");
    EXPECT_EQ(text(String::replace(lit("a.b.c"), '.', '/')), "a/b/c");
    EXPECT_LT(String::compareTo(lit("abc"), lit("abd")), 0);
    EXPECT_EQ(text(String::valueOf(static_cast<Ref>(nullptr))), "null");
    EXPECT_EQ(text(String::valueOf(static_cast<jint>(-42))), "-42");
  });
}

TEST(StringBufferTest, GrowsToOldPlusOneTimesTwoNullAppendsNull) {
  run_library([] {
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
  });
}

// A String made from a buffer never changes afterwards, whatever the buffer does; growth
// ends the sharing.
TEST(StringBufferTest, StringMadeFromBufferNeverChangesAndGrowthClearsSharing) {
  run_library([] {
    Ref sb = jnew<StringBuffer>(lit("abc"));
    Ref s = StringBuffer::toString(sb);
    EXPECT_EQ(String::f(s).value, StringBuffer::f(sb).value);  // shared, no copy
    EXPECT_TRUE(StringBuffer::f(sb).shared);
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
    Ref one = jnew<StringBuffer>(1);
    StringBuffer::appendChar(one, 'a');
    Ref a = StringBuffer::toString(one);
    StringBuffer::appendChar(one, 'b');  // grows into a new array
    EXPECT_FALSE(StringBuffer::f(one).shared);
    EXPECT_NE(String::f(a).value, StringBuffer::f(one).value);
    EXPECT_EQ(text(a), "a");
  });
}

TEST(IntegerTest, ToStringAtTheLimitsAndRadixes) {
  run_library([] {
    EXPECT_EQ(text(Integer::toString(INT_MIN)), "-2147483648");
    EXPECT_EQ(text(Integer::toString(INT_MAX)), "2147483647");
    EXPECT_EQ(text(Integer::toString(0)), "0");
    EXPECT_EQ(text(Integer::toString(255, 16)), "ff");
    EXPECT_EQ(text(Integer::toString(255, 99)), "255");
    EXPECT_EQ(text(Integer::toString(INT_MIN, 2)), "-10000000000000000000000000000000");
    EXPECT_EQ(text(Integer::toString(-35, 36)), "-z");
    EXPECT_EQ(text(Integer::toHexString(-1)), "ffffffff");
    EXPECT_EQ(text(Integer::toHexString(0)), "0");
    EXPECT_EQ(text(Integer::toHexString(INT_MIN)), "80000000");
  });
}

TEST(IntegerTest, ParseIntAtTheLimits) {
  run_library([] {
    EXPECT_EQ(Integer::parseInt(lit("-2147483648")), INT_MIN);
    EXPECT_EQ(Integer::parseInt(lit("2147483647")), INT_MAX);
    EXPECT_EQ(Integer::parseInt(lit("-0")), 0);
    EXPECT_EQ(Integer::parseInt(lit("7fffffff"), 16), INT_MAX);
    EXPECT_EQ(Integer::parseInt(lit("Zz"), 36), 35 * 36 + 35);
    EXPECT_EQ(thrown([] { Integer::parseInt(lit("2147483648")); }),
              "java/lang/NumberFormatException: 2147483648");
    EXPECT_EQ(thrown([] { Integer::parseInt(lit("-2147483649")); }),
              "java/lang/NumberFormatException: -2147483649");
    EXPECT_EQ(thrown([] { Integer::parseInt(lit("99999999999")); }),
              "java/lang/NumberFormatException: 99999999999");
  });
}

TEST(IntegerTest, ParseIntMessages) {
  run_library([] {
    EXPECT_EQ(thrown([] { Integer::parseInt(lit("1"), 1); }),
              "java/lang/NumberFormatException: radix 1 less than Character.MIN_RADIX");
    EXPECT_EQ(thrown([] { Integer::parseInt(lit("1"), 37); }),
              "java/lang/NumberFormatException: radix 37 greater than Character.MAX_RADIX");
    EXPECT_EQ(thrown([] { Integer::parseInt(nullptr); }), "java/lang/NumberFormatException: null");
    EXPECT_EQ(thrown([] { Integer::parseInt(lit("-")); }), "java/lang/NumberFormatException: -");
    EXPECT_EQ(thrown([] { Integer::parseInt(lit("")); }), "java/lang/NumberFormatException: ");
    EXPECT_EQ(thrown([] { Integer::parseInt(lit("12a")); }),
              "java/lang/NumberFormatException: 12a");
    EXPECT_EQ(thrown([] { Integer::parseInt(lit("+1")); }), "java/lang/NumberFormatException: +1");
    EXPECT_EQ(thrown([] { Integer::parseInt(lit("8"), 8); }), "java/lang/NumberFormatException: 8");
  });
}

TEST(IntegerTest, ValueObjects) {
  run_library([] {
    Ref a = Integer::valueOf(lit("-12")), b = jnew<Integer>(-12);
    EXPECT_TRUE(vcall(Object::m_equals, a, b));
    EXPECT_FALSE(vcall(Object::m_equals, a, jnew<Long>(static_cast<jlong>(-12))));
    EXPECT_EQ(vcall(Object::m_hashCode, a), -12);
    EXPECT_EQ(text(vcall(Object::m_toString, a)), "-12");
  });
}

TEST(LongTest, FormattingParsingAndHash) {
  run_library([] {
    EXPECT_EQ(text(Long::toString(LLONG_MIN)), "-9223372036854775808");
    EXPECT_EQ(text(Long::toString(LLONG_MAX)), "9223372036854775807");
    EXPECT_EQ(text(Long::toString(-255, 16)), "-ff");
    EXPECT_EQ(Long::parseLong(lit("-9223372036854775808")), LLONG_MIN);
    EXPECT_EQ(thrown([] { Long::parseLong(lit("9223372036854775808")); }),
              "java/lang/NumberFormatException: 9223372036854775808");
    Ref l = jnew<Long>(static_cast<jlong>(0x123456789LL));
    EXPECT_EQ(vcall(Object::m_hashCode, l), 0x23456789 ^ 0x1);
    EXPECT_EQ(vcall(Object::m_hashCode, jnew<Long>(static_cast<jlong>(-1))), 0);
    EXPECT_TRUE(vcall(Object::m_equals, l, jnew<Long>(static_cast<jlong>(0x123456789LL))));
  });
}

TEST(CharacterTest, DigitThroughTheConverterFoundByName) {
  run_library([] {
    EXPECT_EQ(Character::S().caseConverter, nullptr);
    EXPECT_EQ(Character::digit('z', 36), 35);
    EXPECT_EQ(Character::digit('Z', 36), 35);
    EXPECT_EQ(Character::digit('8', 8), -1);
    EXPECT_EQ(Character::digit('7', 8), 7);
    EXPECT_EQ(Character::digit('a', 10), -1);
    EXPECT_EQ(Character::digit('1', 37), -1);
    EXPECT_EQ(Character::digit(0xe9, 36), -1);
    ASSERT_NE(Character::S().caseConverter, nullptr);
    EXPECT_EQ(text(Class::getName(Object::getClass(Character::S().caseConverter))),
              "com/sun/cldc/i18n/uclc/DefaultCaseConverter");
    EXPECT_EQ(text(vcall(Object::m_toString, jnew<Character>(static_cast<jchar>('q')))), "q");
  });
}

// Without the converter class the first use reports the name and the cause.
TEST(CharacterTest, MissingConverterIsReportedWithItsName) {
  std::vector<ClassDecl*> classes = cldc_core_classes();
  std::erase(classes, &com::sun::cldc::i18n::uclc::DefaultCaseConverter::klass);
  run_program(classes, [] {
    EXPECT_EQ(thrown([] { Character::digit('1', 10); }),
              "java/lang/RuntimeException: Cannot find case converter class "
              "com.sun.cldc.i18n.uclc.DefaultCaseConverter -> null");
  });
}

TEST(ExceptionTest, MessagesAndToString) {
  run_library([] {
    EXPECT_EQ(thrown([] { jthrow(jnew<StringIndexOutOfBoundsException>(static_cast<jint>(7))); }),
              "java/lang/StringIndexOutOfBoundsException: String index out of range: 7");
    EXPECT_EQ(thrown([] { jthrow(jnew<ArrayIndexOutOfBoundsException>(static_cast<jint>(-3))); }),
              "java/lang/ArrayIndexOutOfBoundsException: Array index out of range: -3");
    // Each code's class and message are the runtime's table; without a message, no colon.
    EXPECT_EQ(thrown([] { rt_throw_error(ERR_NULL_POINTER); }), "java/lang/NullPointerException");
    // A message keeps chars above 255 whole.
    Ref e = jnew<Throwable>(jstr16(u"\u20ac"));
    EXPECT_EQ(chars(vcall(Object::m_toString, e)), u"java/lang/Throwable: \u20ac");
  });
}

TEST(SystemTest, GetPropertyMessagesAndValues) {
  run_library([] {
    EXPECT_EQ(thrown([] { System::getProperty(nullptr); }),
              "java/lang/NullPointerException: key can't be null");
    EXPECT_EQ(thrown([] { System::getProperty(lit("")); }),
              "java/lang/IllegalArgumentException: key can't be empty");
    EXPECT_EQ(text(System::getProperty(lit("microedition.configuration"))), "cldc");
    EXPECT_EQ(System::getProperty(lit("microedition.protocolpath")), nullptr);
    EXPECT_EQ(text(System::getProperty(lit("no.such.key"))), "");
  });
}

TEST(SystemTest, ArraycopyErrors) {
  run_library([] {
    Ref volatile ints = rt_new_array(rt_class_index_by_name("[I"), 4, 4);
    Ref volatile cs = new_char_array(4);
    EXPECT_EQ(thrown([&] { System::arraycopy(ints, 0, cs, 0, 1); }),
              "java/lang/RuntimeException: Array element size mismatch");
    EXPECT_EQ(thrown([&] { System::arraycopy(ints, 100, cs, -100, 0); }), "no exception");
    EXPECT_EQ(thrown([&] { System::arraycopy(ints, 0, ints, 0, -1); }),
              "java/lang/IllegalArgumentException");
    EXPECT_EQ(thrown([&] { System::arraycopy(nullptr, 0, ints, 0, 1); }),
              "java/lang/NullPointerException");
    EXPECT_EQ(thrown([&] { System::arraycopy(ints, 1, ints, 0, INT_MAX); }),
              "java/lang/ArrayIndexOutOfBoundsException");
    EXPECT_EQ(thrown([&] { System::arraycopy(ints, 3, ints, 0, 2); }),
              "java/lang/ArrayIndexOutOfBoundsException");
    for (jint i = 0; i < 4; i++) elements<jint>(ints)[i] = i + 1;
    System::arraycopy(ints, 0, ints, 1, 3);  // overlapping: as if through a temporary
    EXPECT_EQ(elements<jint>(ints)[1], 1);
    EXPECT_EQ(elements<jint>(ints)[3], 3);
  });
}

TEST(SystemTest, ExitAsksTheHostAndReturns) {
  run_library([] {
    System::exit(3);
    EXPECT_EQ(system_log.exits, std::vector<jint>{3});
    Ref rt = Runtime::getRuntime();
    EXPECT_EQ(rt, Runtime::getRuntime());
    EXPECT_EQ(Runtime::totalMemory(rt), 131072);
    EXPECT_EQ(Runtime::freeMemory(rt), 131072 - rt_heap_in_use());
    EXPECT_GT(System::currentTimeMillis(), 1600000000000LL);
  });
}

TEST(MathTest, MinMaxAbs) {
  EXPECT_EQ(Math::max(3, -4), 3);
  EXPECT_EQ(Math::min(3, -4), -4);
  EXPECT_EQ(Math::abs(INT_MIN), INT_MIN);
}

}  // namespace
