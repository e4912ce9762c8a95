// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <stdexcept>

#include "Random.h"

namespace ringvale::test {

// Plays back a queue of values; running out is a test failure, not a silent default.
class ScriptedRandom final : public Random {
 public:
  void Push(std::initializer_list<double> next) { values.insert(values.end(), next); }
  void Reseed() override {}
  double Next() override {
    if (values.empty()) throw std::logic_error("ScriptedRandom ran out of values");
    const double value = values.front();
    values.pop_front();
    ++draws;
    return value;
  }

  std::deque<double> values;
  int draws = 0;
};

// A repeatable stand-in for the clock-seeded generator, for soak tests.
class SeededRandom final : public Random {
 public:
  explicit SeededRandom(std::uint64_t seed) : state_(seed) {}
  void Reseed() override {}
  double Next() override {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1.0p-53;
  }

 private:
  std::uint64_t state_;
};

}  // namespace ringvale::test
