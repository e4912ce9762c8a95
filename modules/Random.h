// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace ringvale {

// The one uniform generator of the game.
class Random {
 public:
  virtual ~Random() = default;
  virtual void Reseed() = 0;  // reseed from the system clock
  virtual double Next() = 0;  // uniform in [0, 1)
};

// The game's generator: a small splitmix64 state, seeded from the clock and a counter so that
// reseeding is cheap and two reseeds within one clock tick still differ.
class ClockRandom final : public Random {
 public:
  ClockRandom();
  void Reseed() override;
  double Next() override;

 private:
  std::uint64_t state_ = 0;
  std::uint64_t reseeds_ = 0;
};

}  // namespace ringvale
