#include "skin/data/SkinColourText.h"
#include "skin/data/AsciiText.h"
#include <array>
#include <limits>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the digit run at text[at...]; false when it overflows a signed
// 32-bit integer. at ends just past the run.
bool ReadNumber(const std::string& text, size_t& at, int32_t& value) {
  int64_t n = 0;
  bool fits = true;
  for (; at < text.size() && IsDigit(text[at]); ++at) {
    if (fits) n = n * 10 + (text[at] - '0');
    if (n > std::numeric_limits<int32_t>::max()) fits = false;
  }
  value = int32_t(n);
  return fits;
}

}  // namespace

int32_t SkinColourFromText(const std::string& text, int32_t defaultColour) {
  const std::string s = TrimText(text);
  if (s.empty()) return defaultColour;
  std::array<int32_t, 3> channel{};
  size_t taken = 0, at = 0;
  while (taken < channel.size() && at < s.size()) {
    if (!IsDigit(s[at])) {
      ++at;
      continue;
    }
    int32_t value = 0;
    if (!ReadNumber(s, at, value)) break;
    const bool separated = at < s.size();
    // A number that ends the text counts only when it completes the colour.
    if (separated || taken == channel.size() - 1) channel[taken] = value % 256;
    ++taken;
  }
  return channel[0] | channel[1] << 8 | channel[2] << 16;
}
