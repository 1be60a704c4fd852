// Collections and the random generator: growth, messages, enumeration, the published
// 48-bit sequence.
#include <gtest/gtest.h>

#include <climits>

#include "java/lang/Integer.h"
#include "java/util/Enumeration.h"
#include "java/util/Random.h"
#include "java/util/Vector.h"
#include "program.h"

using java::lang::Integer;
using java::lang::Object;
using java::util::Enumeration;
using java::util::Random;
using java::util::Vector;

namespace {

// The capacities a vector passes through while n elements are added one by one.
std::vector<jint> capacities(Ref v, int n) {
  std::vector<jint> seen{Vector::capacity(v)};
  for (int i = 0; i < n; i++) {
    vcall(Vector::m_addElement, v, jnew<Integer>(i));
    if (Vector::capacity(v) != seen.back()) seen.push_back(Vector::capacity(v));
  }
  return seen;
}

// By default from ten, doubling; from zero to one, then doubling; by a positive increment.
LIBRARY_TEST(VectorTest, GrowthAndNegativeCapacityMessage) {
  EXPECT_EQ(capacities(jnew<Vector>(), 41), (std::vector<jint>{10, 20, 40, 80}));
  EXPECT_EQ(capacities(jnew<Vector>(0, 0), 5), (std::vector<jint>{0, 1, 2, 4, 8}));
  EXPECT_EQ(capacities(jnew<Vector>(10, 3), 14), (std::vector<jint>{10, 13, 16}));
  EXPECT_EQ(thrown([] { jnew<Vector>(-1); }), IAE "Illegal Capacity: -1");
}

LIBRARY_TEST(VectorTest, IndexMessagesInsertRemoveSearchAndEnumeration) {
  Ref v = jnew<Vector>();
  for (int i = 0; i < 3; i++) vcall(Vector::m_addElement, v, jnew<Integer>(i));
  EXPECT_EQ(thrown([&] { vcall(Vector::m_elementAt, v, 3); }), AIOOBE ": 3 >= 3");
  EXPECT_EQ(thrown([&] { vcall(Vector::m_elementAt, v, -1); }), AIOOBE);
  EXPECT_EQ(thrown([&] { vcall(Vector::m_removeElementAt, v, 3); }), AIOOBE ": 3 >= 3");
  EXPECT_EQ(thrown([&] { vcall(Vector::m_removeElementAt, v, -2); }),
            AIOOBE ": Array index out of range: -2");
  EXPECT_EQ(thrown([&] { vcall(Vector::m_insertElementAt, v, jnew<Object>(), 4); }),
            AIOOBE ": 4 > 3");
  vcall(Vector::m_insertElementAt, v, lit("end"), 3);  // at elementCount: appends
  EXPECT_EQ(text(vcall(Vector::m_elementAt, v, 3)), "end");
  EXPECT_EQ(vcall(Vector::m_size, v), 4);
  v = jnew<Vector>(2);
  vcall(Vector::m_addElement, v, lit("a"));
  vcall(Vector::m_addElement, v, lit("c"));
  vcall(Vector::m_insertElementAt, v, lit("b"), 1);
  vcall(Vector::m_addElement, v, static_cast<Ref>(nullptr));
  EXPECT_EQ(text(vcall(Object::m_toString, v)), "[a, b, c, null]");
  EXPECT_EQ(vcall(Vector::m_indexOf, v, lit("c")), 2);  // by equals, not identity
  EXPECT_EQ(vcall(Vector::m_indexOf, v, static_cast<Ref>(nullptr)), 3);
  EXPECT_EQ(vcall(Vector::m_indexOfFrom, v, lit("a"), 1), -1);
  // A negative start scans from there into the array check.
  EXPECT_EQ(thrown([&] { vcall(Vector::m_indexOfFrom, v, lit("a"), -1); }), AIOOBE);
  EXPECT_FALSE(vcall(Vector::m_removeElement, v, lit("zz")));
  EXPECT_TRUE(vcall(Vector::m_removeElement, v, lit("a")));
  EXPECT_EQ(text(vcall(Object::m_toString, v)), "[b, c, null]");
  EXPECT_EQ(rt_array_load_ref(Vector::f(v).elementData, 3), nullptr);  // freed slot cleared
  jint capacity = Vector::capacity(v);
  vcall(Vector::m_removeAllElements, v);
  EXPECT_EQ(vcall(Vector::m_size, v), 0);
  EXPECT_EQ(Vector::capacity(v), capacity);
  EXPECT_EQ(rt_array_load_ref(Vector::f(v).elementData, 0), nullptr);
  vcall(Vector::m_addElement, v, lit("x"));
  Ref e = vcall(Vector::m_elements, v);
  EXPECT_TRUE(icall(Enumeration::m_hasMoreElements, e));
  EXPECT_EQ(text(icall(Enumeration::m_nextElement, e)), "x");
  EXPECT_FALSE(icall(Enumeration::m_hasMoreElements, e));
  EXPECT_EQ(thrown([&] { icall(Enumeration::m_nextElement, e); }),
            "java/util/NoSuchElementException: VectorEnumerator");
}

// Expected values come from a separate implementation of the published generator.
LIBRARY_TEST(RandomTest, PublishedSequenceAndSetSeed) {
  struct Case {
    jlong seed;
    std::vector<jint> ints;
  };
  const Case cases[] = {
      {0, {-1155484576, -723955400, 1033096058, -1690734402, -1557280266}},
      {-1, {1155099827, 1887904451, 52699159, -1941176418, -1451336087}},
      {123456789012345LL, {-1421006947, -2071311287, -583755257, -1678701992, -508698726}},
      {LLONG_MIN,
       {-1155484576, -723955400, 1033096058, -1690734402, -1557280266}},  // high bits unused
  };
  for (const Case& c : cases) {
    Ref r = jnew<Random>(c.seed);
    std::vector<jint> got;
    for (size_t i = 0; i < c.ints.size(); i++) got.push_back(vcall(Random::m_nextInt, r));
    EXPECT_EQ(got, c.ints) << "seed " << c.seed;
  }
  Ref r = jnew<Random>(static_cast<jlong>(7));
  jint first = vcall(Random::m_nextInt, r);
  vcall(Random::m_nextInt, r);
  vcall(Random::m_setSeed, r, static_cast<jlong>(7));
  EXPECT_EQ(vcall(Random::m_nextInt, r), first);
}

}  // namespace
