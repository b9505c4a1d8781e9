#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

inline constexpr const char* kIniNoStringsMessage = "The parameter Strings is unassigned!";

// An INI value as an integer: decimal or, after "0x", "0X" or "$",
// hexadecimal; false when it is none.
bool IniTextToInt(std::string text, int& value);

// Read-only INI text parsed once into memory. Sections and keys are found
// without regard to letter case; values keep theirs.
class TQuickIni {
 public:
  // Parses size bytes of text. A null data pointer (no stream) does nothing.
  void LoadFromStream(const uint8_t* data, size_t size);

  // The value of key in the first section named section, or def. The first
  // line with that key decides, even when its value is empty.
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& def) const;
  // As ReadString, converted as decimal or, after "0x", "0X" or "$", as
  // hexadecimal; def when absent or not a number.
  int ReadInteger(const std::string& section, const std::string& key, int def) const;
  // Fills strings with the section names, brackets removed. Throws
  // std::invalid_argument when strings is null.
  void ReadSections(std::vector<std::string>* strings) const;

  // The value of every key line, in file order (duplicates and all).
  std::vector<std::string> Values() const;

  const std::vector<std::string>& Lines() const { return FLines; }
  // Section header lines with their index in Lines().
  const std::vector<std::pair<std::string, size_t>>& Sections() const { return FSections; }

 private:
  bool FindSection(const std::string& section, size_t& headerIndex) const;

  std::vector<std::string> FLines;
  std::vector<std::pair<std::string, size_t>> FSections;
};
