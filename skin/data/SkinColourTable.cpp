#include "skin/data/SkinBuildSteps.h"
#include "skin/data/SkinIniNames.h"

namespace {
constexpr TColor SystemColour(int index) { return clSystemColor | index; }

// The system colour each entry of the colour table falls back to, by index;
// Menubar falls back to the loaded ButtonFace instead.
TColor DefaultColour(TSkinColourIndex index) {
  switch (index) {
    case scWindowText: return SystemColour(COLOR_WINDOWTEXT);
    case scTitleTextActive: return SystemColour(COLOR_CAPTIONTEXT);
    case scTitleTextNoActive: return SystemColour(COLOR_INACTIVECAPTIONTEXT);
    case scButtonFace: return SystemColour(COLOR_BTNFACE);
    case scButtonText: return SystemColour(COLOR_BTNTEXT);
    case scButtonHilight: return SystemColour(COLOR_BTNHIGHLIGHT);
    case scButtonlight: return SystemColour(COLOR_BTNHIGHLIGHT);
    case scButtonShadow: return SystemColour(COLOR_BTNSHADOW);
    case scButtonDkShadow: return SystemColour(COLOR_3DDKSHADOW);
    case scHilightText: return SystemColour(COLOR_HIGHLIGHTTEXT);
    case scHilight: return SystemColour(COLOR_HIGHLIGHT);
    case scMenuBarText: return SystemColour(COLOR_MENUTEXT);
    case scMenuText: return SystemColour(COLOR_MENUTEXT);
    case scMenu: return SystemColour(COLOR_MENU);
    case scScrollbar: return SystemColour(COLOR_SCROLLBAR);
    default: return 0;
  }
}

void LoadColourTable(TSkinState& skin, const TSkinSource& source) {
  skin.ColourGiven.fill(false);
  for (const TSkinColourKey& entry : kSkinColourKeys) {
    const TColor def = entry.Index == scMenubar ? skin.SkinColours[scButtonFace] : DefaultColour(entry.Index);
    skin.SkinColours[size_t(entry.Index)] = source.Colour(kColoursSection, entry.Key, def);
    skin.ColourGiven[size_t(entry.Index)] = source.Has(kColoursSection, entry.Key);
  }
}

// One colour per section named "COLOUR..." other than "COLOURS", in file order.
void LoadExtraColours(TSkinState& skin, const TSkinSource& source) {
  skin.ExtraColours.clear();
  for (const std::string& name : source.Sections())
    if (IsExtraColourSection(name)) skin.ExtraColours.push_back(source.Colour(name, kExtraColourKey, clWindowText));
}

void LoadCustomColours(TSkinState& skin, const TSkinSource& source) {
  for (size_t i = 0; i < skin.CustomColours.size(); ++i)
    skin.CustomColours[i] = source.Colour(kCustomColoursSection, kCustomColourKeyPrefix + std::to_string(i), clWhite);
}
}  // namespace

void LoadSkinColours(TSkinState& skin, const TSkinSource& source) {
  LoadColourTable(skin, source);
  LoadExtraColours(skin, source);
  LoadCustomColours(skin, source);
}
