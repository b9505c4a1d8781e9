#include "skin/data/TextLines.h"

std::vector<std::string> SplitLines(const std::string& text, size_t maxLines) {
  std::vector<std::string> lines;
  size_t pos = 0;
  while (pos < text.size() && lines.size() <= maxLines) {
    const size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string::npos) {
      lines.push_back(text.substr(pos));
      break;
    }
    lines.push_back(text.substr(pos, end - pos));
    pos = end + 1;
    if (text[end] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
  }
  return lines;
}
