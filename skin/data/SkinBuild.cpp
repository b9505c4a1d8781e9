// Building the skin state from a package's INI description and bitmaps.
// (Being written: for now only the skin's name is read.)
#include "SkinLoad.h"
#include "WinSkinData.h"

void BuildSkin(TSkinState& skin, const TSkinReader&, const TQuickIni& ini) {
  skin.SkinName = ini.ReadString("TitlebarSkin", "SkinName", "");
  skin.NoSkinLoaded = false;
}
