#include "app/DecimalDigits.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

static_assert(std::numeric_limits<long double>::digits == 64,
              "numbers are held in the 80-bit extended format");

namespace {

// Unsigned big integer, little-endian limbs in base 10^9.
using TLimbs = std::vector<uint32_t>;
constexpr uint32_t LimbBase = 1000000000u;
constexpr int LimbDigits = 9;

TLimbs LimbsFromUInt64(uint64_t value) {
  TLimbs limbs;
  do {
    limbs.push_back(static_cast<uint32_t>(value % LimbBase));
    value /= LimbBase;
  } while (value != 0);
  return limbs;
}

// factor must stay below 2^32 so that limb * factor + carry fits 64 bits.
void MultiplyLimbs(TLimbs& limbs, uint32_t factor) {
  uint64_t carry = 0;
  for (uint32_t& limb : limbs) {
    const uint64_t product = uint64_t{limb} * factor + carry;
    limb = static_cast<uint32_t>(product % LimbBase);
    carry = product / LimbBase;
  }
  while (carry != 0) {
    limbs.push_back(static_cast<uint32_t>(carry % LimbBase));
    carry /= LimbBase;
  }
}

// Multiplies by base^count, in chunks of base^chunk (which must fit 32 bits).
void MultiplyByPower(TLimbs& limbs, uint32_t base, long count, int chunk) {
  uint32_t chunkFactor = 1;
  for (int i = 0; i < chunk; ++i) chunkFactor *= base;
  for (; count >= chunk; count -= chunk) MultiplyLimbs(limbs, chunkFactor);
  for (; count > 0; --count) MultiplyLimbs(limbs, base);
}

std::string LimbsToText(const TLimbs& limbs) {
  std::string text = std::to_string(limbs.back());
  for (auto it = limbs.rbegin() + 1; it != limbs.rend(); ++it) {
    const std::string part = std::to_string(*it);
    text.append(LimbDigits - part.size(), '0');
    text += part;
  }
  return text;
}

}  // namespace

TDecimalDigits ExactDecimalDigits(long double magnitude) {
  // magnitude = mantissa * 2^exponent with a 64-bit integer mantissa.
  int binaryExponent = 0;
  const long double fraction = std::frexp(magnitude, &binaryExponent);
  const uint64_t mantissa = static_cast<uint64_t>(std::ldexp(fraction, 64));
  const long exponent = binaryExponent - 64L;

  TLimbs limbs = LimbsFromUInt64(mantissa);
  long scale = 0;  // the value is the integer in limbs times 10^scale
  if (exponent >= 0) {
    MultiplyByPower(limbs, 2, exponent, 31);
  } else {
    // m / 2^k == m * 5^k / 10^k
    MultiplyByPower(limbs, 5, -exponent, 13);
    scale = exponent;
  }
  TDecimalDigits number;
  number.Digits = LimbsToText(limbs);
  number.PointPos = static_cast<long>(number.Digits.size()) + scale;
  number.Digits.resize(number.Digits.find_last_not_of('0') + 1);
  return number;
}

void RoundToSignificant(TDecimalDigits& number, std::size_t significant) {
  std::string& digits = number.Digits;
  if (digits.size() > significant) {
    const bool roundUp = digits[significant] >= '5';
    digits.resize(significant);
    if (roundUp) {
      std::size_t i = digits.size();
      while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
      if (i == 0) {
        digits.insert(digits.begin(), '1');
        ++number.PointPos;
      } else {
        ++digits[i - 1];
      }
    }
  }
  const std::size_t last = digits.find_last_not_of('0');
  digits.resize(last == std::string::npos ? 0 : last + 1);
}
