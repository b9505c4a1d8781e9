// The INI description as skinpack lint reads it: the loader's rules (trimmed
// significant lines, ";" comments, the first section of a name, the first
// key of a name within it), with the line each came from.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/SkinLint.h"

struct TLintKeyLine {
  int Line = 0;
  std::string Key;    // as written, trimmed
  std::string Value;  // trimmed
};

struct TLintSection {
  int Line = 0;
  std::string Name;  // between the brackets, as written
  std::vector<TLintKeyLine> Keys;
};

class TLintIni {
 public:
  // Parses the text; lines the loader can never see are reported.
  TLintIni(const std::string& file, const std::vector<uint8_t>& text, std::vector<TLintFinding>& findings);

  const std::string& File() const { return FFile; }
  const std::vector<TLintSection>& Sections() const { return FSections; }
  // The first section of that name (letter case ignored), or nullptr.
  const TLintSection* Find(const std::string& section) const;
  // The line the loader reads for the key: the first of that name in the
  // first section of that name; nullptr when there is none.
  const TLintKeyLine* Get(const std::string& section, const std::string& key) const;
  // As the loader reads an integer: def when the key is absent, empty or not a number.
  int Int(const std::string& section, const std::string& key, int def) const;

 private:
  std::string FFile;
  std::vector<TLintSection> FSections;
};

// Unknown sections and keys, second copies, values that are not numbers and
// "Frame" values the loader overrides.
void CheckIniVocabulary(const TLintIni& ini, std::vector<TLintFinding>& findings);
