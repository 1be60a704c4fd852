// The records the builder derives from class declarations (the formats are static_asserts).
#include <gtest/gtest.h>

#include <cstring>

#include "java/lang/String.h"
#include "program.h"
#include "test_classes.h"

namespace {

const ClassRecord* rec(const char* name) { return rt_record(rt_class_index_by_name(name)); }

PROGRAM_TEST(Layout, ObjectAndArrayRecords) {
  const ClassRecord* r = rec("java/lang/Object");
  EXPECT_EQ(r->superIndex, -1);
  EXPECT_EQ(r->instanceSize, RT_HEADER_SIZE);
  EXPECT_EQ(r->refCount, 0);
  EXPECT_EQ(r->flags, 0);
  EXPECT_EQ(rec("[C")->flags, CLS_ARRAY);
  EXPECT_EQ(rec("[C")->extra, 2u);
  EXPECT_EQ(rec("[I")->extra, 4u);
  EXPECT_EQ(rec("[B")->extra, 1u);
  EXPECT_EQ(rec("[Ljava/lang/String;")->flags, CLS_ARRAY | CLS_REF_ARRAY);
  EXPECT_EQ(rec("[Ljava/lang/String;")->extra,
            static_cast<uintptr_t>(rt_class_index_by_name("java/lang/String")));
  EXPECT_EQ(rec("[[I")->extra, static_cast<uintptr_t>(rt_class_index_by_name("[I")));
  EXPECT_EQ(rec("[[I")->superIndex, rt_class_index_by_name("java/lang/Object"));
}

PROGRAM_TEST(Layout, InterfaceThrowableAndThreadRecords) {
  const ClassRecord* named = rec("test/Named");
  const ClassRecord* titled = rec("test/Titled");
  EXPECT_EQ(named->flags, CLS_INTERFACE);
  EXPECT_EQ(named->superIndex, rt_class_index_by_name("java/lang/Object"));
  EXPECT_EQ(named->methodCount, 0);
  ASSERT_EQ(titled->interfaceCount, 1);
  EXPECT_EQ(titled->interfaces[0], test::Named::klass.index);
  const ClassRecord* book = rec("test/Book");
  ASSERT_EQ(book->interfaceCount, 1);
  EXPECT_EQ(book->interfaces[0], test::Titled::klass.index);
  const ClassRecord* npe = rec("java/lang/NullPointerException");
  EXPECT_EQ(npe->flags, CLS_THROWABLE);
  EXPECT_NE(npe->extra, 0u);
  EXPECT_EQ(rec("java/lang/InstantiationException")->extra, 0u);  // no String constructor
  EXPECT_EQ(rec("java/lang/Thread")->flags, CLS_THREAD);
  EXPECT_EQ(rec("test/Worker")->flags, CLS_THREAD);
  EXPECT_EQ(rec("test/Worker")->extra, java::lang::Runnable::m_run.isel);
}

PROGRAM_TEST(Layout, ReferenceFieldsAreListedAtTheirOffsets) {
  const ClassRecord* node = rec("test/Node");
  ASSERT_EQ(node->refCount, 1);
  EXPECT_EQ(node->refOffsets[0], 2);  // right after the 16-bit boolean
  const ClassRecord* pair = rec("test/Pair");
  ASSERT_EQ(pair->refCount, 1);  // only its own field; Node's is in Node's record
  EXPECT_EQ(pair->refOffsets[0], node->instanceSize - RT_HEADER_SIZE);
  const ClassRecord* s = rec("java/lang/String");
  ASSERT_EQ(s->refCount, 1);
  EXPECT_EQ(s->refOffsets[0], 0);
  EXPECT_EQ(rt_image.stringClass, java::lang::String::klass.index);
  EXPECT_EQ(rt_image.charArrayClass, rt_class_index_by_name("[C"));
}

PROGRAM_TEST(Layout, DefaultConstructorIsInheritedLookupGivesFirstMatch) {
  EXPECT_EQ(rec("test/BigSquare")->defaultCtor, rec("test/Square")->defaultCtor);
  EXPECT_EQ(rec("test/Named")->defaultCtor, rec("java/lang/Object")->defaultCtor);
  EXPECT_EQ(rec("[I")->defaultCtor, rec("java/lang/Object")->defaultCtor);
  EXPECT_EQ(rt_class_index_by_name("java/lang/Object"), 0);
  EXPECT_EQ(rt_class_index_by_name("java.lang.Object"), -1);
  EXPECT_EQ(rt_class_index_by_name(nullptr), -1);
}

}  // namespace
