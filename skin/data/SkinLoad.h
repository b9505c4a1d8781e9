// Loading a compressed skin package into the skin state.
#pragma once
#include "skin/data/SkinRead.h"
#include "skin/data/WinSkinIni.h"
#include <cstdint>
#include <vector>

struct TSkinState;

// Shown, followed by the reason, for a package that is not taken because it
// is damaged: its stream is cut, runs on or disagrees with its size, its
// layout does not fit, or an image its description names does not decode.
inline constexpr const char* kDamagedSkinMessage = "This skin is damaged and was not loaded:\r";

// Expands and reads the package; true when a skin was loaded. A package is
// taken only whole: one the reader refuses, or a damaged one, is reported
// through SkinMessageBox and leaves the current skin exactly as it was
// (elements, colours and NoSkinLoaded).
bool LoadSkinFromStream(TSkinState& skin, const std::vector<uint8_t>& package);
// Fills every slot from the package's entries and INI description.
void BuildSkin(TSkinState& skin, const TSkinReader& reader, const TQuickIni& ini);

// Shows the loader's messages; a message box unless a test replaced it.
TSkinMessageProc& SkinMessageBox();
