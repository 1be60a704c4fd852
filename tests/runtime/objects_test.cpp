// Allocation, arrays, checked arithmetic, type tests, casts, class initialisation.
#include <gtest/gtest.h>

#include <climits>

#include "program.h"
#include "test_classes.h"

namespace {

int cls(const char* name) { return rt_class_index_by_name(name); }

PROGRAM_TEST(Allocation, BadClassIndexIsFatal) {
  for (int bad : {-1, rt_image.classCount})
    EXPECT_EQ(fatal_on_thread([bad] { rt_new_object(bad); }),
              std::vector<std::string>{"Fatal error: Bad class index."});
}

// Storage even for length 0, references start null; a negative length throws, a size
// past 32 bits is out of memory, not a short block.
PROGRAM_TEST(Arrays, CreationRules) {
  Ref a = rt_new_array(cls("[I"), 4, 0);
  EXPECT_EQ(rt_array_length(a), 0);
  EXPECT_NE(rt_array(a)->storage, nullptr);
  Ref r = rt_new_ref_array(cls("[Ljava/lang/String;"), cls("java/lang/String"), 2);
  EXPECT_EQ(rt_array_load_ref(r, 1), nullptr);
  Thrown t = catch_java([] { rt_new_array(cls("[I"), 4, -1); });
  EXPECT_EQ(t.cls, "java/lang/NegativeArraySizeException");
  EXPECT_EQ(t.message, "<null>");
  EXPECT_EQ(fatal_on_thread([] { rt_new_array(cls("[I"), 4, INT_MAX); }),
            std::vector<std::string>{"Fatal error: Out of memory."});
}

PROGRAM_TEST(Arrays, ElementAccessIsChecked) {
  Ref a = rt_new_array(cls("[I"), 4, 3);
  rt_array_store32(a, 2, -7);
  EXPECT_EQ(rt_array_load32(a, 2), -7);
  EXPECT_EQ(catch_java([&] { rt_array_load32(a, 3); }).cls,
            "java/lang/ArrayIndexOutOfBoundsException");
  EXPECT_EQ(catch_java([&] { rt_array_store32(a, -1, 0); }).cls,
            "java/lang/ArrayIndexOutOfBoundsException");
  EXPECT_EQ(catch_java([] { rt_array_load32(nullptr, 0); }).cls, "java/lang/NullPointerException");
  // Narrow loads extend as their type says.
  Ref b = rt_new_array(cls("[B"), 1, 1);
  rt_array_store8(b, 0, 0x1ff);
  EXPECT_EQ(rt_array_load8(b, 0), -1);
  Ref c = rt_new_array(cls("[C"), 2, 1);
  rt_array_store16(c, 0, -1);
  EXPECT_EQ(rt_array_load16u(c, 0), 0xffff);
  EXPECT_EQ(rt_array_load16s(c, 0), -1);
}

PROGRAM_TEST(Arithmetic, DivisionRules) {
  for (auto fn : std::vector<std::function<void()>>{[] { rt_idiv(1, 0); }, [] { rt_irem(1, 0); },
                                                    [] { rt_ldiv(1, 0); }, [] { rt_lrem(1, 0); }}) {
    Thrown t = catch_java(fn);
    EXPECT_EQ(t.cls, "java/lang/ArithmeticException");
    EXPECT_EQ(t.message, "Division by zero");
  }
  // The smallest value by -1 gives the dividend and zero.
  EXPECT_EQ(rt_idiv(INT_MIN, -1), INT_MIN);
  EXPECT_EQ(rt_irem(INT_MIN, -1), 0);
  EXPECT_EQ(rt_ldiv(LLONG_MIN, -1), LLONG_MIN);
  EXPECT_EQ(rt_lrem(LLONG_MIN, -1), 0);
  EXPECT_EQ(rt_idiv(-7, 2), -3);  // truncates toward zero
  EXPECT_EQ(rt_irem(-7, 2), -1);
  EXPECT_EQ(rt_lshr(-8, 65), -4);  // count masked to 6 bits
  EXPECT_EQ(rt_lcmp(LLONG_MIN, LLONG_MAX), -1);
  EXPECT_EQ(rt_lcmp(5, 5), 0);
  EXPECT_EQ(rt_lcmp(6, 5), 1);
}

PROGRAM_TEST(TypeTests, InstanceOfAssignabilityAndCasts) {
  Ref sq = jnew<test::Square>();
  EXPECT_TRUE(instanceof <test::Shape>(sq));
  EXPECT_TRUE(instanceof <java::lang::Object>(sq));
  EXPECT_FALSE(instanceof <test::Node>(sq));
  Ref book = jnew<test::Book>();
  EXPECT_TRUE(instanceof <test::Named>(book));  // through Titled's superinterface
  EXPECT_TRUE(rt_is_assignable(cls("java/lang/Thread"), cls("java/lang/Runnable")));
  Ref strings = rt_new_ref_array(cls("[Ljava/lang/String;"), cls("java/lang/String"), 1);
  EXPECT_EQ(rt_instance_of(strings, cls("java/lang/Object")), 1);
  EXPECT_EQ(rt_instance_of(strings, cls("[Ljava/lang/Object;")), 0);
  // A failed cast is fatal, not thrown.
  rt_check_cast(nullptr, cls("java/lang/String"));  // null passes
  EXPECT_EQ(fatal_on_thread([] { rt_check_cast(jnew<test::Node>(), cls("java/lang/String")); }),
            std::vector<std::string>{"Fatal error: Class cast exception."});
}

PROGRAM_TEST(ClassInit, SuperclassFirstOnlyOnceAndAThrowingInitializerStaysInitialised) {
  test::init_log.clear();
  rt_init_class(test::InitDerived::klass.index);
  rt_init_class(test::InitDerived::klass.index);
  rt_init_class(test::InitBase::klass.index);
  EXPECT_EQ(test::init_log, (std::vector<std::string>{"base", "derived"}));
  // An initializer that makes an instance of its own class runs once.
  rt_init_class(test::Keeper::klass.index);
  EXPECT_EQ(test::Keeper::S().inits, 1);
  EXPECT_EQ(rt_class_of(test::Keeper::S().kept), test::Keeper::klass.index);
  test::init_log.clear();
  Thrown t = catch_java([] { rt_init_class(test::InitThrows::klass.index); });
  EXPECT_EQ(t.cls, "java/lang/RuntimeException");
  EXPECT_EQ(t.message, "init failed");
  EXPECT_EQ(catch_java([] { rt_init_class(test::InitThrows::klass.index); }).cls, "");
  EXPECT_EQ(test::init_log, std::vector<std::string>{"throws"});
}

}  // namespace
