// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's one generator, seeded from the clock.

#include <gtest/gtest.h>

#include <set>

#include "Random.h"

namespace ringvale::test {
namespace {

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
}  // namespace ringvale::test
