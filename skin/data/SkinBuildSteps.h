// The steps of building a skin from a package, in the files that hold them.
// BuildSkin (SkinBuild.cpp) runs them in order.
#pragma once
#include "skin/data/SkinSource.h"
#include "skin/data/WinSkinData.h"

// SkinFixedElements.cpp: the slots that always exist, and the menu bar.
void LoadFrameSides(TSkinState& skin, const TSkinSource& source);
void LoadPushButtons(TSkinState& skin, const TSkinSource& source);
void LoadTitle(TSkinState& skin, const TSkinSource& source);
void LoadMenuBar(TSkinState& skin, const TSkinSource& source);

// SkinColourTable.cpp: SkinColours, ColourGiven, ExtraColours, CustomColours.
void LoadSkinColours(TSkinState& skin, const TSkinSource& source);

// SkinCaptionButtons.cpp: SysButtonElements, with the three MDI buttons.
void LoadCaptionButtons(TSkinState& skin, const TSkinSource& source);

// SkinFrameCounts.cpp: the frame counts each element has after loading.
void ApplyFrameCounts(TSkinState& skin, const TSkinSource& source);

// SkinDerivedImages.cpp: images composed at load time.
void MirrorComboButton(TSkinState& skin);
void UseBuiltinTracks(TSkinState& skin);
void MakeComboImages(TSkinState& skin);
void MakeComboxArrow(TSkinState& skin);
TColor TitleSampleColour(const TSkinState& skin);
void MakeToolbar(TSkinState& skin, TColor titleSample);

