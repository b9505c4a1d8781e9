#pragma once

#include <cstddef>
#include <string>

// A positive decimal number 0.Digits × 10^PointPos, Digits without leading
// or trailing zeros ("125", 2 means 12.5).
struct TDecimalDigits {
  std::string Digits;
  long PointPos = 0;
};

// The exact decimal expansion of a finite, positive long double. Exact
// expansion lets rounding be decided on the true binary value, identically
// on every compiler and C runtime.
TDecimalDigits ExactDecimalDigits(long double magnitude);

// Rounds to at most `significant` digits, halves away from zero, and drops
// trailing zeros. A carry out of the first digit moves the point ("999" to
// 2 digits gives "1" with PointPos one higher).
void RoundToSignificant(TDecimalDigits& number, std::size_t significant);
