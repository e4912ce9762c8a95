// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <stdexcept>

namespace ringvale {

// Raised by any 16-bit arithmetic whose result leaves -32768..32767.
struct OverflowError : std::runtime_error {
  OverflowError() : std::runtime_error("Overflow") {}
};

// A 16-bit signed counter whose arithmetic is checked instead of wrapping.
class Int16 {
 public:
  constexpr Int16() = default;
  constexpr Int16(int value) : value_(Checked(value)) {}  // NOLINT: converts like a number
  constexpr operator int() const { return value_; }       // NOLINT

  Int16& operator+=(Int16 other) { return *this = Int16(value_ + other.value_); }
  Int16& operator-=(Int16 other) { return *this = Int16(value_ - other.value_); }
  Int16& operator*=(Int16 other) { return *this = Int16(value_ * other.value_); }
  Int16& operator++() { return *this += 1; }
  Int16& operator--() { return *this -= 1; }

  friend Int16 operator+(Int16 a, Int16 b) { return Int16(a.value_ + b.value_); }
  friend Int16 operator-(Int16 a, Int16 b) { return Int16(a.value_ - b.value_); }
  friend Int16 operator*(Int16 a, Int16 b) { return Int16(a.value_ * b.value_); }
  friend Int16 operator+(Int16 a, int b) { return a + Int16(b); }
  friend Int16 operator-(Int16 a, int b) { return a - Int16(b); }
  friend Int16 operator*(Int16 a, int b) { return a * Int16(b); }
  friend Int16 operator+(int a, Int16 b) { return Int16(a) + b; }
  friend Int16 operator-(int a, Int16 b) { return Int16(a) - b; }
  friend Int16 operator*(int a, Int16 b) { return Int16(a) * b; }

 private:
  static constexpr std::int16_t Checked(int value) {
    if (value < INT16_MIN || value > INT16_MAX) throw OverflowError();
    return static_cast<std::int16_t>(value);
  }
  std::int16_t value_ = 0;
};

// The nearest whole number, halves going to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Throws OverflowError when the result does not fit 16 bits or the value is not finite.
Int16 RoundHalfEven(double value);

}  // namespace ringvale
