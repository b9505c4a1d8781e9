#include "tools/SkinLintIni.h"

#include <algorithm>

#include "skin/data/AsciiText.h"
#include "skin/data/SkinIniNames.h"
#include "skin/data/TextLines.h"
#include "skin/data/WinSkinIni.h"

namespace {

void Warn(std::vector<TLintFinding>& findings, const std::string& file, int line, const std::string& message) {
  findings.push_back({file, line, TLintFinding::Warning, message});
}

bool IsHeader(const std::string& line) { return line.size() >= 2 && line.front() == '[' && line.back() == ']'; }

}  // namespace

TLintIni::TLintIni(const std::string& file, const std::vector<uint8_t>& bytes, std::vector<TLintFinding>& findings)
    : FFile(file) {
  std::string text(bytes.begin(), bytes.end());
  const size_t nul = text.find('\0');  // the loader's text ends at a NUL
  if (nul != std::string::npos) text.resize(nul);
  const std::vector<std::string> lines = SplitLines(text);
  for (size_t i = 0; i < lines.size(); ++i) {
    const int number = int(i) + 1;
    const std::string line = TrimText(lines[i]);
    const size_t eq = line.find('=');
    if (line.empty() || line[0] == ';') continue;
    if (IsHeader(line)) {
      FSections.push_back({number, line.substr(1, line.size() - 2), {}});
    } else if (FSections.empty()) {
      Warn(findings, file, number, "line before the first section: ignored");
    } else if (eq == std::string::npos) {
      Warn(findings, file, number, "\"" + line + "\" is not a KEY=VALUE line: ignored");
    } else {
      FSections.back().Keys.push_back({number, TrimText(line.substr(0, eq)), TrimText(line.substr(eq + 1))});
    }
  }
}

const TLintSection* TLintIni::Find(const std::string& section) const {
  for (const TLintSection& s : FSections)
    if (SameTextAscii(s.Name, section)) return &s;
  return nullptr;
}

const TLintKeyLine* TLintIni::Get(const std::string& section, const std::string& key) const {
  const TLintSection* s = Find(section);
  if (!s) return nullptr;
  for (const TLintKeyLine& line : s->Keys)
    if (SameTextAscii(line.Key, key)) return &line;
  return nullptr;
}

int TLintIni::Int(const std::string& section, const std::string& key, int def) const {
  const TLintKeyLine* line = Get(section, key);
  int value = 0;
  return line && IniTextToInt(line->Value, value) ? value : def;
}

namespace {

bool Contains(const std::vector<std::string>& names, const std::string& name) {
  return std::any_of(names.begin(), names.end(), [&name](const std::string& n) { return SameTextAscii(n, name); });
}

// The frame count a section's element has whatever its "Frame" says; 0 when
// "Frame" counts.
int OverriddenFrames(const TLintIni& ini, const std::string& section) {
  if (SameTextAscii(section, kButtonsSection)) return kPushButtonFrames;
  for (const TElementSection& row : kElementSections) {
    if (!SameTextAscii(section, row.Section)) continue;
    const bool overridden = row.Rule == frFixed || row.Rule == frFrameCountKey || row.Rule == frByStyle;
    const int style = ini.Int(section, kStyleKey, 0);
    return overridden ? ElementFramesAfterLoad(row, 0, style, ini.Int(section, kFrameCountKey, row.Frames)) : 0;
  }
  return 0;
}

// Keys whose value is text, a colour or an image, not an integer.
bool IsTextKey(const std::string& section, const std::string& key) {
  if (SameTextAscii(section, kColoursSection) || SameTextAscii(section, kCustomColoursSection) ||
      IsExtraColourSection(section) || SameTextAscii(section, kTitlebarSkinSection))
    return true;
  return Contains(SkinImageKeys(section), key) ||
         Contains({kSecondColourKeys.begin(), kSecondColourKeys.end()}, key);
}

void CheckFixedFrame(const TLintIni& ini, const TLintSection& section, const TLintKeyLine& line, int fixed,
                     std::vector<TLintFinding>& findings) {
  int value = 0;
  if (IniTextToInt(line.Value, value) && value == fixed) return;
  Warn(findings, ini.File(), line.Line,
       "the loader gives [" + section.Name + "] " + std::to_string(fixed) + " frames: " + line.Key + "=" + line.Value +
           " is ignored");
}

void CheckKey(const TLintIni& ini, const TLintSection& section, const std::vector<std::string>& known,
              const TLintKeyLine& line, std::vector<TLintFinding>& findings) {
  const int fixed = OverriddenFrames(ini, section.Name);
  const bool fixedFrame = fixed > 0 && SameTextAscii(line.Key, kFrameKey);
  if (!Contains(known, line.Key) && !fixedFrame) {
    Warn(findings, ini.File(), line.Line,
         "unknown key \"" + line.Key + "\" in [" + section.Name + "]: the loader does not read it");
    return;
  }
  const TLintKeyLine* first = ini.Get(section.Name, line.Key);
  if (first != &line) {
    Warn(findings, ini.File(), line.Line,
         "second " + line.Key + " in [" + section.Name + "]: only line " + std::to_string(first->Line) + " is read");
    return;
  }
  if (fixedFrame) return CheckFixedFrame(ini, section, line, fixed, findings);
  int value = 0;
  if (line.Value.empty() || IsTextKey(section.Name, line.Key) || IniTextToInt(line.Value, value)) return;
  Warn(findings, ini.File(), line.Line, line.Key + "=" + line.Value + " is not a number: the loader uses the default");
}

}  // namespace

void CheckIniVocabulary(const TLintIni& ini, std::vector<TLintFinding>& findings) {
  for (const TLintSection& section : ini.Sections()) {
    if (TrimText(section.Name) != section.Name) {
      Warn(findings, ini.File(), section.Line,
           "[" + section.Name + "] is never found: the loader does not ignore blanks inside the brackets");
      continue;
    }
    const TLintSection* first = ini.Find(section.Name);
    if (first != &section) {
      Warn(findings, ini.File(), section.Line,
           "second [" + section.Name + "]: only the one at line " + std::to_string(first->Line) + " is read");
      continue;
    }
    const std::vector<std::string> known = KnownSkinKeys(section.Name);
    if (known.empty()) {
      Warn(findings, ini.File(), section.Line, "unknown section [" + section.Name + "]: the loader does not read it");
      continue;
    }
    for (const TLintKeyLine& line : section.Keys) CheckKey(ini, section, known, line, findings);
  }
}
