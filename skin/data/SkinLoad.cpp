#include "skin/data/SkinLoad.h"
#include "host/BmpFile.h"
#include "skin/data/AsciiText.h"
#include "skin/data/SkinImages.h"
#include "skin/data/WinSkinData.h"
#include <set>
#include <windows.h>

TSkinMessageProc& SkinMessageBox() {
  static TSkinMessageProc proc = [](const std::string& text) {
    MessageBoxA(nullptr, text.c_str(), nullptr, MB_OK);
  };
  return proc;
}

namespace {
// The first entry an INI value names that is in the package but is no BMP
// file we can read; "" when there is none. A value that names no ".bmp" file
// or no entry is an empty image, not damage.
std::string FindBrokenImage(const TSkinReader& reader, const TQuickIni& ini) {
  std::set<std::string> checked;
  std::vector<uint8_t> bytes;
  for (const std::string& value : ini.Values()) {
    const std::string name = LowerAscii(SkinImageEntryName(value));
    if (name.empty() || !checked.insert(name).second) continue;
    if (!reader.ExtractByName(name, bytes) || bytes.empty()) continue;
    TBmpImage image;
    if (!ReadBmp(bytes.data(), bytes.size(), image)) return name;
  }
  return "";
}

// Why the package can not be taken whole, "" when it can; reader and ini
// then hold it. A refusal the reader showed itself (an unknown version)
// sets shown.
std::string ReadWholePackage(const std::vector<uint8_t>& package, TSkinReader& reader, TQuickIni& ini,
                             bool& shown) {
  reader.SetMessageProc([&shown](const std::string& text) {
    shown = true;
    SkinMessageBox()(text);
  });
  try {
    if (!reader.Load(package.data(), package.size())) return reader.LastError();
  } catch (const ElzhException& e) {
    return e.what();
  }
  std::vector<uint8_t> text;
  if (!reader.FindByPart(".ini", text).empty()) ini.LoadFromStream(text.data(), text.size());
  const std::string broken = FindBrokenImage(reader, ini);
  return broken.empty() ? "" : "the image \"" + broken + "\" is not a readable BMP file";
}
}  // namespace

bool LoadSkinFromStream(TSkinState& skin, const std::vector<uint8_t>& package) {
  TSkinReader reader;
  TQuickIni ini;
  bool shown = false;
  const std::string refused = ReadWholePackage(package, reader, ini, shown);
  // Nothing of the current skin has been touched up to here.
  if (!refused.empty()) {
    if (!shown) SkinMessageBox()(kDamagedSkinMessage + refused);
    return false;
  }
  skin.NoSkinLoaded = true;
  BuildSkin(skin, reader, ini);
  return true;
}
