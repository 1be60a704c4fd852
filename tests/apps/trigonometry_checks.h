// What both names of the trigonometry class must answer: the tables within one unit of
// the true sine at 100000, the exact entries, and the same value for any int angle.
#pragma once
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "runtime/rt.h"

template <class Trig>
inline void expect_sines() {
  for (jint d = 0; d <= 90; d++) {
    double truth = 100000 * std::sin(d * M_PI / 180);
    EXPECT_LE(std::fabs(Trig::sin(100000, d) - truth), 1.0) << "degree " << d;
  }
  EXPECT_EQ(Trig::scaledSin(1000, 0), 0);
  EXPECT_EQ(Trig::scaledSin(1000, 30), 500);
  EXPECT_EQ(Trig::scaledSin(1000, 90), 1000);
  EXPECT_EQ(Trig::scaledSin(4668, 48), 3469);
  EXPECT_EQ(Trig::sin(1000, 150), 500);
  EXPECT_EQ(Trig::sin(1000, 210), -500);
  EXPECT_EQ(Trig::sin(1000, 330), -500);
  EXPECT_EQ(Trig::cos(1000, 60), 500);
  EXPECT_EQ(Trig::cos(1000, 180), -1000);
  for (jint a : {-1, -89, -360, -719, -100000, 123456789, INT_MAX, INT_MIN, INT_MIN + 1}) {
    jint reduced = static_cast<jint>(((static_cast<int64_t>(a) % 360) + 360) % 360);
    EXPECT_EQ(Trig::sin(7777, a), Trig::sin(7777, reduced)) << "angle " << a;
  }
}
