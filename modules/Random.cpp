// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Random.h"

#include <chrono>

namespace ringvale {

ClockRandom::ClockRandom() {
  Reseed();
}

void ClockRandom::Reseed() {
  const auto now = std::chrono::system_clock::now().time_since_epoch().count();
  state_ = static_cast<std::uint64_t>(now) ^ (++reseeds_ * 0xD1B54A32D192ED03ull);
}

double ClockRandom::Next() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  z ^= z >> 31;
  return static_cast<double>(z >> 11) * 0x1.0p-53;
}

}  // namespace ringvale
