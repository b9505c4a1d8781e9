#include "skin/data/SkinLoad.h"
#include "skin/data/WinSkinData.h"
#include <windows.h>

TSkinMessageProc& SkinMessageBox() {
  static TSkinMessageProc proc = [](const std::string& text) {
    MessageBoxA(nullptr, text.c_str(), nullptr, MB_OK);
  };
  return proc;
}

bool LoadSkinFromStream(TSkinState& skin, const std::vector<uint8_t>& package) {
  skin.NoSkinLoaded = true;
  TSkinReader reader;
  reader.SetMessageProc(SkinMessageBox());
  try {
    if (!reader.Load(package.data(), package.size())) return false;
  } catch (const ElzhException&) {
    return false;  // a damaged stream loads nothing, like a refused one
  }
  TQuickIni ini;
  std::vector<uint8_t> text;
  if (!reader.FindByPart(".ini", text).empty()) ini.LoadFromStream(text.data(), text.size());
  BuildSkin(skin, reader, ini);
  return true;
}
