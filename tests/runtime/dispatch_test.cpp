// Virtual and interface dispatch.
#include <gtest/gtest.h>

#include "java/lang/Thread.h"
#include "program.h"
#include "test_classes.h"

using java::lang::Object;

namespace {

PROGRAM_TEST(Dispatch, VirtualAndInterfaceCallsReachTheImplementation) {
  Ref shape = jnew<test::Shape>();
  Ref square = jnew<test::Square>();
  Ref big = jnew<test::BigSquare>();
  EXPECT_EQ(vcall(test::Shape::m_area, shape), 0);
  EXPECT_EQ(vcall(test::Shape::m_area, square), 16);
  EXPECT_EQ(vcall(test::Shape::m_area, big), 16);  // inherited through the chain
  EXPECT_EQ(vcall(test::Shape::m_scaled, big, 3), 48);
  EXPECT_EQ(text(vcall(Object::m_toString, jnew<test::Node>())), "node");
  Ref book = jnew<test::Book>();
  EXPECT_EQ(text(icall(test::Named::m_name, book)), "book");
  EXPECT_EQ(text(icall(test::Titled::m_title, book)), "Title");
  test::task_runs = 0;
  icall(java::lang::Runnable::m_run, jnew<test::Task>());
  EXPECT_EQ(test::task_runs, 1);
}

PROGRAM_TEST(Dispatch, NullReceiverThrowsMissingMethodIsFatal) {
  EXPECT_EQ(catch_java([] { rt_dispatch_virtual(nullptr, 9999); }).cls,
            "java/lang/NullPointerException");
  EXPECT_EQ(fatal_on_thread([] { vcall(test::Square::m_sides, jnew<test::Shape>()); }),
            std::vector<std::string>{"Fatal error: Virtual method not found."});
  EXPECT_EQ(fatal_on_thread([] { icall(test::Named::m_name, jnew<test::Node>()); }),
            std::vector<std::string>{"Fatal error: Interface method not found."});
}

}  // namespace
