#include "job/commands.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>

#include "support/bytes.h"

namespace vxcl {
namespace {

using test::B;

TEST(ZeroPadded, PadsDigitsAndPutsTheSignAhead) {
  struct Case {
    long long value;
    int width;
    const char* text;
  } cases[] = {
      {7, 3, "007"},
      {-7, 3, "-007"},
      {1234, 3, "1234"},
      {5, 2, "05"},
      {12345, 4, "12345"},
      {-12, 4, "-0012"},
      {0, 4, "0000"},
      {0, 2, "00"},
      {-1234, 4, "-1234"},
      {INT_MIN, 4, "-2147483648"},
      {LLONG_MIN, 2, "-9223372036854775808"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ZeroPadded(c.value, c.width), c.text)
        << c.value << " width " << c.width;
}

TEST(Decimal, IsPlainWithMinusSign) {
  EXPECT_EQ(Decimal(0), "0");
  EXPECT_EQ(Decimal(-1), "-1");
  EXPECT_EQ(Decimal(10400), "10400");
}

TEST(MmToDots, TruncatesTowardZeroAfterAddingAHalf) {
  struct Case {
    int dotsPerMm;
    double mm;
    int dots;
  } cases[] = {
      {8, 10.0, 80},      {8, 10.06, 80},
      {8, 10.07, 81},     {8, -1.2, -9},
      {8, 0.0, 0},        {8, -0.0625, 0},
      {8, -0.07, 0},      {8, -0.19, -1},
      {12, 25.4, 305},    {24, 1.0, 24},
      {8, 1300.0, 10400}, {8, 0.0625, 1},  // exactly a half: 0.5 + 0.5 = 1
  };
  for (const Case& c : cases)
    EXPECT_EQ(MmToDots(c.dotsPerMm, c.mm), c.dots)
        << c.mm << " mm at " << c.dotsPerMm;
}

TEST(MmToDots, SaturatesWhereTruncationIsUndefined) {
  EXPECT_EQ(MmToDots(8, NAN), 0);
  EXPECT_EQ(MmToDots(8, INFINITY), INT_MAX);
  EXPECT_EQ(MmToDots(8, -INFINITY), INT_MIN);
  EXPECT_EQ(MmToDots(8, DBL_MAX), INT_MAX);
  EXPECT_EQ(MmToDots(8, -1e300), INT_MIN);
}

TEST(RotationPrefix, OneToThreeTurnOthersAreZero) {
  EXPECT_EQ(RotationPrefix(0), B("<ESC>%0"));
  EXPECT_EQ(RotationPrefix(1), B("<ESC>%1"));
  EXPECT_EQ(RotationPrefix(2), B("<ESC>%2"));
  EXPECT_EQ(RotationPrefix(3), B("<ESC>%3"));
  for (int other : {4, 99, -1, INT_MIN, INT_MAX})
    EXPECT_EQ(RotationPrefix(other), B("<ESC>%0")) << other;
}

}  // namespace
}  // namespace vxcl
