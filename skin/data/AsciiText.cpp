#include "skin/data/AsciiText.h"

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

char LowerChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string_view TrimView(std::string_view text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

std::string TrimText(const std::string& text) { return std::string(TrimView(text)); }

std::string LowerAscii(std::string text) {
  for (char& c : text) c = LowerChar(c);
  return text;
}

bool SameTextAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerChar(a[i]) != LowerChar(b[i])) return false;
  }
  return true;
}
