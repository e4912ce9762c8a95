// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Int16.h"

#include <cmath>

namespace ringvale {

Int16 RoundHalfEven(double value) {
  if (!std::isfinite(value) || value < INT16_MIN - 0.5 || value > INT16_MAX + 0.5) {
    throw OverflowError();
  }
  double whole = std::floor(value);
  const double fraction = value - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  return Int16(static_cast<int>(whole));
}

}  // namespace ringvale
