#include <gtest/gtest.h>

#include <set>

#include "Int16.h"
#include "Random.h"

namespace ringvale {
namespace {

TEST(Int16, ArithmeticOutside16BitsThrowsOverflow) {
  Int16 top = 32767;
  EXPECT_THROW(top + 1, OverflowError);
  EXPECT_THROW(top += 1, OverflowError);
  EXPECT_EQ(top, 32767);  // a failed += leaves the value alone
  Int16 bottom = -32768;
  EXPECT_THROW(bottom - 1, OverflowError);
  EXPECT_THROW(--bottom, OverflowError);
  EXPECT_THROW(Int16(200) * Int16(200), OverflowError);
  EXPECT_THROW(Int16(40000), OverflowError);
  EXPECT_EQ(Int16(-300) * 100, -30000);
  EXPECT_EQ(Int16(), 0);
}

TEST(Int16, RoundHalfEvenSendsHalvesToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(23.5), 24);
  EXPECT_EQ(RoundHalfEven(22.5), 22);
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(0.5000001), 1);
  EXPECT_EQ(RoundHalfEven(97.2), 97);
  EXPECT_EQ(RoundHalfEven(-0.4), 0);
  EXPECT_EQ(RoundHalfEven(32767.4), 32767);
  EXPECT_THROW(RoundHalfEven(32767.5), OverflowError);  // rounds up to 32768
  EXPECT_THROW(RoundHalfEven(1e300), OverflowError);
  EXPECT_THROW(RoundHalfEven(0.0 / 0.0), OverflowError);
}

TEST(ClockRandom, DrawsStayInTheUnitIntervalAndReseedsDiffer) {
  ClockRandom random;
  std::set<double> firsts;
  for (int i = 0; i < 1000; ++i) {
    random.Reseed();
    const double value = random.Next();
    ASSERT_GE(value, 0.0);
    ASSERT_LT(value, 1.0);
    firsts.insert(value);
  }
  // Reseeds in the same clock tick must not repeat a sequence.
  EXPECT_EQ(firsts.size(), 1000u);
  double sum = 0;
  for (int i = 0; i < 100000; ++i) sum += random.Next();
  EXPECT_NEAR(sum / 100000, 0.5, 0.01);
}

}  // namespace
}  // namespace ringvale
