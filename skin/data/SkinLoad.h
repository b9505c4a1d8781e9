// Loading a compressed skin package into the skin state.
#pragma once
#include "skin/data/SkinRead.h"
#include "skin/data/WinSkinIni.h"
#include <cstdint>
#include <vector>

struct TSkinState;

// Expands and reads the package; true when a skin was loaded. A refused
// package leaves the elements of the earlier skin as they were and
// NoSkinLoaded true.
bool LoadSkinFromStream(TSkinState& skin, const std::vector<uint8_t>& package);
// Fills every slot from the package's entries and INI description.
void BuildSkin(TSkinState& skin, const TSkinReader& reader, const TQuickIni& ini);

// Shows the package reader's messages; a message box unless a test replaced it.
TSkinMessageProc& SkinMessageBox();
