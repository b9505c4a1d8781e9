// Feeds arbitrary text to the INI reader and queries every section with the
// keys of its own lines (found), the key of a line elsewhere and the empty
// key (not found, or a line without "="), plus a few fixed ones.
#include <cstdint>
#include <string>
#include <vector>

#include "skin/data/WinSkinIni.h"

namespace {

// Bounds the queries per input: each one scans its section's lines, so
// their cost grows with the square of the input's length. A key further
// down a section is found by the same code as the first ones.
constexpr size_t kMaxSections = 16;
constexpr size_t kMaxKeysPerSection = 16;

void Query(const TQuickIni& ini, const std::string& section, const std::string& key) {
  ini.ReadString(section, key, "default");
  ini.ReadInteger(section, key, -1);
}

std::string KeyOf(const std::string& line) { return line.substr(0, line.find('=')); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TQuickIni ini;
  ini.LoadFromStream(data, size);
  std::vector<std::string> sections;
  ini.ReadSections(&sections);
  const std::vector<std::string>& lines = ini.Lines();
  for (size_t s = 0; s < sections.size() && s < kMaxSections; ++s) {
    // The lines up to the next header, and that header: a key from another
    // section (or the first line's, before any section).
    const size_t header = ini.Sections()[s].second;
    const size_t end = s + 1 < ini.Sections().size() ? ini.Sections()[s + 1].second : lines.size();
    for (size_t i = header + 1; i < end && i <= header + kMaxKeysPerSection; ++i) {
      Query(ini, sections[s], KeyOf(lines[i]));
    }
    Query(ini, sections[s], KeyOf(lines[end < lines.size() ? end : 0]));
    Query(ini, sections[s], "");
  }
  Query(ini, "Personality", "RightWidth");
  Query(ini, "", "");
  return 0;
}
