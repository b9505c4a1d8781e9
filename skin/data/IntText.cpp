#include "skin/data/IntText.h"

#include <cstdint>

namespace {

int DigitValue(char c, int base) {
  int v = -1;
  if (c >= '0' && c <= '9') v = c - '0';
  else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
  return v < base ? v : -1;
}

// Accumulates digits from pos to the end; false on a bad digit, no digit, or
// a magnitude above limit.
bool ParseMagnitude(const std::string& text, size_t pos, int base, uint64_t limit, uint64_t& out) {
  if (pos >= text.size()) return false;
  uint64_t v = 0;
  for (; pos < text.size(); ++pos) {
    const int d = DigitValue(text[pos], base);
    if (d < 0) return false;
    v = v * static_cast<uint64_t>(base) + static_cast<uint64_t>(d);
    if (v > limit) return false;
  }
  out = v;
  return true;
}

}  // namespace

bool TryParseInt(const std::string& text, int& value) {
  size_t pos = 0;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  const bool hex = pos < text.size() && text[pos] == '$';
  if (hex) ++pos;

  const uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  uint64_t magnitude = 0;
  if (!ParseMagnitude(text, pos, hex ? 16 : 10, limit, magnitude)) return false;

  // Two's complement wrap gives "$FFFFFFFF" = -1 and "-2147483648" its value.
  uint32_t bits = static_cast<uint32_t>(magnitude);
  if (negative) bits = 0u - bits;
  value = static_cast<int>(bits);
  return true;
}
