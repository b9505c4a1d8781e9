#include "tools/SkinLint.h"

#include <algorithm>
#include <set>
#include <stdexcept>

#include "skin/data/AsciiText.h"
#include "skin/data/SkinPackFormat.h"
#include "skin/data/SkinRead.h"
#include "tools/FileBytes.h"
#include "tools/SkinLintImages.h"
#include "tools/SkinLintIni.h"

namespace fs = std::filesystem;

namespace {

bool EndsWith(const std::string& name, const std::string& ext) {
  return name.size() >= ext.size() && name.compare(name.size() - ext.size(), ext.size(), ext) == 0;
}

void Add(std::vector<TLintFinding>& findings, const std::string& file, TLintFinding::TSeverity severity,
         const std::string& message) {
  findings.push_back({file, 0, severity, message});
}

// What a skin holds, read from a folder or a package.
struct TLintSkin {
  std::string IniShown;
  std::vector<uint8_t> Ini;
  bool HasIni = false;
  TLintImages Images;
  // Every entry that is not the INI: shown name by entry name.
  std::map<std::string, std::string> Others;
};

void CheckEntryNames(const std::string& where, const std::vector<std::string>& names,
                     std::vector<TLintFinding>& findings) {
  if (names.size() > kSkinMaxEntries)
    Add(findings, where, TLintFinding::Error,
        std::to_string(names.size()) + " entries: a package holds at most " + std::to_string(kSkinMaxEntries));
  std::set<std::string> seen;
  for (const std::string& name : names) {
    if (name.size() > kLintMaxEntryName)
      Add(findings, where, TLintFinding::Error,
          "entry name of " + std::to_string(name.size()) + " characters (at most " +
              std::to_string(kLintMaxEntryName) + "): \"" + name.substr(0, 40) + "...\"");
    if (name.find_first_of("\\/:") != std::string::npos)
      Add(findings, where, TLintFinding::Warning,
          "entry \"" + name + "\" is never found: INI values name entries without folders");
    if (!seen.insert(name).second)
      Add(findings, where, TLintFinding::Warning, "second entry named \"" + name + "\": only the first is read");
  }
}

// The INI (exactly one) and the BMP files of a folder, as skinpack pack takes them.
TLintSkin ReadFolder(const fs::path& folder, std::vector<TLintFinding>& findings) {
  TLintSkin skin;
  std::vector<std::string> names;
  std::vector<fs::path> inis;
  for (const fs::directory_entry& item : fs::directory_iterator(folder)) {
    if (!item.is_regular_file()) continue;
    const std::string shown = item.path().string();
    const std::string name = LowerAscii(item.path().filename().string());
    if (EndsWith(name, ".ini")) {
      inis.push_back(item.path());
    } else if (!EndsWith(name, ".bmp")) {
      Add(findings, shown, TLintFinding::Warning, "not packed: neither an .ini nor a .bmp file");
      continue;
    }
    if (std::count(names.begin(), names.end(), name) > 0) {
      Add(findings, shown, TLintFinding::Error, "two files named " + name + " (entry names ignore letter case)");
      continue;
    }
    names.push_back(name);
    if (EndsWith(name, ".bmp")) {
      skin.Images[name] = {shown, ReadFileBytes(item.path())};
      skin.Others[name] = shown;
    }
  }
  CheckEntryNames(folder.string(), names, findings);
  if (inis.size() != 1) {
    Add(findings, folder.string(), TLintFinding::Error,
        "a skin folder holds exactly one .ini file, found " + std::to_string(inis.size()));
  } else {
    skin.HasIni = true;
    skin.IniShown = inis[0].string();
    skin.Ini = ReadFileBytes(inis[0]);
  }
  return skin;
}

// A package's entries, read by the loader's own reader; false (with the
// reason as a finding) when the reader refuses it.
bool ReadPackage(const fs::path& package, TLintSkin& skin, std::vector<TLintFinding>& findings) {
  const std::string where = package.string();
  const std::vector<uint8_t> bytes = ReadFileBytes(package);
  TSkinReader reader;
  // The reader's own message for an unknown version says less than its LastError.
  reader.SetMessageProc([](const std::string&) {});
  std::string refused;
  try {
    if (!reader.Load(bytes.data(), bytes.size())) refused = reader.LastError();
  } catch (const ElzhException& e) {
    refused = e.what();
  }
  if (!refused.empty()) {
    Add(findings, where, TLintFinding::Error, "the loader refuses this package: " + refused);
    return false;
  }
  CheckEntryNames(where, reader.Names(), findings);
  const std::string ini = reader.FindByPart(".ini", skin.Ini);
  skin.HasIni = !ini.empty();
  skin.IniShown = where + "/" + ini;
  if (!skin.HasIni) Add(findings, where, TLintFinding::Error, "no INI entry (no entry name holds \".ini\")");
  std::vector<uint8_t> entry;
  for (size_t i = 0; i < reader.Count(); ++i) {
    const std::string& name = reader.Names()[i];
    if (name == ini || skin.Others.count(name)) continue;
    skin.Others[name] = where + "/" + name;
    reader.ExtractAt(i, entry);
    // The loader takes an empty entry for a missing image.
    if (EndsWith(name, ".bmp") && !entry.empty()) skin.Images[name] = {where + "/" + name, entry};
  }
  return true;
}

std::vector<TLintFinding> LintSkin(const TLintSkin& skin, std::vector<TLintFinding> findings) {
  if (skin.HasIni) {
    const TLintIni ini(skin.IniShown, skin.Ini, findings);
    CheckIniVocabulary(ini, findings);
    const std::set<std::string> named = CheckSkinImages(ini, skin.Images, findings);
    for (const auto& [name, shown] : skin.Others)
      if (!named.count(name)) Add(findings, shown, TLintFinding::Warning, "never used: no INI value names it");
  }
  std::stable_sort(findings.begin(), findings.end(), [](const TLintFinding& a, const TLintFinding& b) {
    return a.File != b.File ? a.File < b.File : a.Line < b.Line;
  });
  return findings;
}

}  // namespace

std::string FormatFinding(const TLintFinding& finding) {
  const std::string line = finding.Line > 0 ? ":" + std::to_string(finding.Line) : "";
  const char* severity = finding.Severity == TLintFinding::Error ? "error" : "warning";
  return finding.File + line + ": " + severity + ": " + finding.Message;
}

std::vector<TLintFinding> LintSkinFolder(const fs::path& folder) {
  if (!fs::is_directory(folder)) throw std::runtime_error(folder.string() + " is not a folder");
  std::vector<TLintFinding> findings;
  const TLintSkin skin = ReadFolder(folder, findings);
  return LintSkin(skin, std::move(findings));
}

std::vector<TLintFinding> LintSkinPackage(const fs::path& package) {
  std::vector<TLintFinding> findings;
  TLintSkin skin;
  if (!ReadPackage(package, skin, findings)) return findings;
  return LintSkin(skin, std::move(findings));
}
