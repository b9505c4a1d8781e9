// Feeds arbitrary text to the INI reader and queries it with the sections
// and keys it holds, plus a few fixed ones.
#include <cstdint>
#include <string>
#include <vector>

#include "skin/data/WinSkinIni.h"

namespace {

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
  const size_t lines = ini.Lines().size() < 64 ? ini.Lines().size() : 64;
  for (size_t s = 0; s < sections.size() && s < 16; ++s) {
    for (size_t i = 0; i < lines; ++i) Query(ini, sections[s], KeyOf(ini.Lines()[i]));
    Query(ini, sections[s], "");
  }
  Query(ini, "Personality", "RightWidth");
  Query(ini, "", "");
  return 0;
}
