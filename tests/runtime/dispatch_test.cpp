// Selector numbering and virtual and interface dispatch.
#include <gtest/gtest.h>

#include "java/lang/String.h"
#include "java/lang/Thread.h"
#include "program.h"
#include "test_classes.h"

using java::lang::Object;

namespace {

const ClassRecord* rec(const ClassDecl& d) { return rt_record(d.index); }

PROGRAM_TEST(Selectors, ObjectMethodsFirstNewMethodsNumberOnOverridesKeepTheirSelector) {
  EXPECT_EQ(Object::m_hashCode.vsel, 0);
  EXPECT_EQ(Object::m_equals.vsel, 1);
  EXPECT_EQ(Object::m_toString.vsel, 2);
  EXPECT_EQ(test::Shape::m_area.vsel, 3);
  EXPECT_EQ(test::Shape::m_scaled.vsel, 4);
  EXPECT_EQ(test::Square::m_sides.vsel, 5);
  const ClassRecord* sq = rec(test::Square::klass);
  ASSERT_EQ(sq->methodCount, 2);
  EXPECT_EQ(sq->methods[0].virtualSelector, test::Shape::m_area.vsel);
  EXPECT_EQ(sq->methods[1].virtualSelector, test::Square::m_sides.vsel);
  const ClassRecord* node = rec(test::Node::klass);  // overrides only toString()
  ASSERT_EQ(node->methodCount, 1);
  EXPECT_EQ(node->methods[0].virtualSelector, Object::m_toString.vsel);
  EXPECT_EQ(node->methods[0].interfaceSelector, Object::m_toString.isel);
  EXPECT_EQ(rec(test::BigSquare::klass)->methodCount, 0);
  EXPECT_EQ(rec(test::BigSquare::klass)->methods, nullptr);
}

PROGRAM_TEST(Selectors, UnrelatedClassesReuseNumbersAndInterfacesShare) {
  EXPECT_EQ(test::Counter::m_count.vsel, test::Shape::m_area.vsel);
  EXPECT_NE(test::Counter::m_count.isel, test::Shape::m_area.isel);
  EXPECT_EQ(test::Task::m_run.isel, java::lang::Runnable::m_run.isel);
  EXPECT_EQ(java::lang::Thread::m_run.isel, java::lang::Runnable::m_run.isel);
  EXPECT_NE(test::Named::m_name.isel, test::Titled::m_title.isel);
}

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
  EXPECT_EQ(catch_java([] { rt_dispatch_interface(nullptr, 9999); }).cls,
            "java/lang/NullPointerException");
  EXPECT_EQ(fatal_on_thread([] { vcall(test::Square::m_sides, jnew<test::Shape>()); }),
            std::vector<std::string>{"Fatal error: Virtual method not found."});
  EXPECT_EQ(fatal_on_thread([] { icall(test::Named::m_name, jnew<test::Counter>()); }),
            std::vector<std::string>{"Fatal error: Interface method not found."});
}

}  // namespace
