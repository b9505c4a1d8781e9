#include "skin/data/WinSkinIni.h"

#include <stdexcept>

#include "skin/data/AsciiText.h"
#include "skin/data/IntText.h"
#include "skin/data/TextLines.h"

namespace {

bool IsSectionHeader(const std::string& line) {
  return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

// Whether a line's key (the text before the first "=", trimmed; "" without
// "=") is key, ignoring case. No copies: every query tests many lines.
bool HasKey(const std::string& line, const std::string& key) {
  const size_t eq = line.find('=');
  if (eq == std::string::npos) return key.empty();
  return SameTextAscii(TrimView(std::string_view(line).substr(0, eq)), key);
}

// The text after the first "=", trimmed; a line without "=" is all value.
std::string ValueOf(const std::string& line) {
  const size_t eq = line.find('=');
  return TrimText(eq == std::string::npos ? line : line.substr(eq + 1));
}

}  // namespace

void TQuickIni::LoadFromStream(const uint8_t* data, size_t size) {
  if (data == nullptr) return;
  FLines.clear();
  FSections.clear();
  std::string text(reinterpret_cast<const char*>(data), size);
  const size_t nul = text.find('\0');  // a NUL ends the text
  if (nul != std::string::npos) text.resize(nul);
  for (const std::string& raw : SplitLines(text)) {
    const std::string line = TrimText(raw);
    if (line.empty() || line[0] == ';') continue;
    if (IsSectionHeader(line)) FSections.emplace_back(line, FLines.size());
    FLines.push_back(line);
  }
}

bool TQuickIni::FindSection(const std::string& section, size_t& headerIndex) const {
  for (const auto& entry : FSections) {
    // entry.first is a whole header line, "[" name "]".
    const std::string_view name = std::string_view(entry.first).substr(1, entry.first.size() - 2);
    if (SameTextAscii(name, section)) {
      headerIndex = entry.second;
      return true;
    }
  }
  return false;
}

std::string TQuickIni::ReadString(const std::string& section, const std::string& key,
                                  const std::string& def) const {
  size_t header = 0;
  if (FLines.empty() || !FindSection(section, header)) return def;
  for (size_t i = header + 1; i < FLines.size() && !IsSectionHeader(FLines[i]); ++i) {
    if (!HasKey(FLines[i], key)) continue;
    const std::string value = ValueOf(FLines[i]);
    return value.empty() ? def : value;
  }
  return def;
}

bool IniTextToInt(std::string text, int& value) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.replace(0, 2, "$");
  }
  return TryParseInt(text, value);
}

int TQuickIni::ReadInteger(const std::string& section, const std::string& key, int def) const {
  int value = 0;
  return IniTextToInt(ReadString(section, key, std::string()), value) ? value : def;
}

void TQuickIni::ReadSections(std::vector<std::string>* strings) const {
  if (strings == nullptr) throw std::invalid_argument(kIniNoStringsMessage);
  strings->clear();
  for (const auto& entry : FSections) {
    strings->push_back(TrimText(entry.first.substr(1, entry.first.size() - 2)));
  }
}

std::vector<std::string> TQuickIni::Values() const {
  std::vector<std::string> values;
  for (const std::string& line : FLines)
    if (!IsSectionHeader(line) && line.find('=') != std::string::npos) values.push_back(ValueOf(line));
  return values;
}
