#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "Int16.h"
#include "Random.h"

namespace ringvale {
namespace {

TEST(Int16, ArithmeticOutside16BitsThrowsOverflow) {
  Int16 top = 32767;
  EXPECT_THROW(top + 1, OverflowError);
  EXPECT_THROW(top += 1, OverflowError);
  EXPECT_EQ(top, 32767);  // a failed += leaves the value alone
  EXPECT_THROW(--Int16(-32768), OverflowError);
  EXPECT_THROW(Int16(40000), OverflowError);
  EXPECT_EQ(Int16(-300) * 100, -30000);
}

TEST(Int16, RoundHalfEvenSendsHalvesToTheEvenNeighbour) {
  for (const auto& [value, rounded] : std::vector<std::pair<double, int>>{
           {2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.5, 0}, {0.5000001, 1}, {97.2, 97}, {32767.4, 32767}})
    EXPECT_EQ(RoundHalfEven(value), rounded) << value;
  for (const double value : {32767.5, 1e300, 0.0 / 0.0})
    EXPECT_THROW(RoundHalfEven(value), OverflowError) << value;
}

// Reseeds in the same clock tick must not repeat a sequence, and draws stay in [0, 1).
TEST(ClockRandom, DrawsStayInTheUnitIntervalAndReseedsDiffer) {
  ClockRandom random;
  std::set<double> firsts;
  for (int i = 0; i < 1000; ++i) {
    random.Reseed();
    firsts.insert(random.Next());
  }
  EXPECT_EQ(firsts.size(), 1000u);
  EXPECT_TRUE(*firsts.begin() >= 0.0 && *firsts.rbegin() < 1.0);
}

}  // namespace
}  // namespace ringvale
