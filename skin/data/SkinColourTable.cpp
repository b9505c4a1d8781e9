#include "skin/data/SkinBuildSteps.h"

namespace {
constexpr TColor SystemColour(int index) { return clSystemColor | index; }

struct TColourKey {
  int Index;
  const char* Key;
  TColor Default;  // ignored for Menubar, which defaults to the loaded ButtonFace
};

constexpr int kButtonFace = 3;
constexpr int kMenubar = 13;

// In reading order: ButtonFace comes before Menubar, which defaults to it.
constexpr TColourKey kColourKeys[] = {
    {0, "WindowText", SystemColour(COLOR_WINDOWTEXT)},
    {3, "ButtonFace", SystemColour(COLOR_BTNFACE)},
    {18, "Scrollbar", SystemColour(COLOR_SCROLLBAR)},
    {11, "HilightText", SystemColour(COLOR_HIGHLIGHTTEXT)},
    {12, "Hilight", SystemColour(COLOR_HIGHLIGHT)},
    {13, "Menubar", 0},
    {16, "Menu", SystemColour(COLOR_MENU)},
    {15, "MenuText", SystemColour(COLOR_MENUTEXT)},
    {4, "ButtonText", SystemColour(COLOR_BTNTEXT)},
    {5, "ButtonHilight", SystemColour(COLOR_BTNHIGHLIGHT)},
    {6, "Buttonlight", SystemColour(COLOR_BTNHIGHLIGHT)},
    {7, "ButtonShadow", SystemColour(COLOR_BTNSHADOW)},
    {8, "ButtonDkShadow", SystemColour(COLOR_3DDKSHADOW)},
    {14, "MenuBarText", SystemColour(COLOR_MENUTEXT)},
    {1, "TitleTextActive", SystemColour(COLOR_CAPTIONTEXT)},
    {2, "TitleTextNoActive", SystemColour(COLOR_INACTIVECAPTIONTEXT)},
};

void LoadColourTable(TSkinState& skin, const TSkinSource& source) {
  static constexpr const char* kSection = "Colours";
  skin.ColourGiven.fill(false);
  for (const TColourKey& entry : kColourKeys) {
    const TColor def = entry.Index == kMenubar ? skin.SkinColours[kButtonFace] : entry.Default;
    skin.SkinColours[size_t(entry.Index)] = source.Colour(kSection, entry.Key, def);
    skin.ColourGiven[size_t(entry.Index)] = source.Has(kSection, entry.Key);
  }
}

// One colour per section named "COLOUR..." other than "COLOURS", in file order.
void LoadExtraColours(TSkinState& skin, const TSkinSource& source) {
  static const std::string kPrefix = "COLOUR";
  skin.ExtraColours.clear();
  for (const std::string& name : source.Sections()) {
    const std::string upper = UpperAscii(name);
    if (upper.rfind(kPrefix, 0) != 0 || upper == "COLOURS") continue;
    skin.ExtraColours.push_back(source.Colour(name, "color", clWindowText));
  }
}

void LoadCustomColours(TSkinState& skin, const TSkinSource& source) {
  for (size_t i = 0; i < skin.CustomColours.size(); ++i)
    skin.CustomColours[i] = source.Colour("Customcolors", "Color" + std::to_string(i), clWhite);
}
}  // namespace

void LoadSkinColours(TSkinState& skin, const TSkinSource& source) {
  LoadColourTable(skin, source);
  LoadExtraColours(skin, source);
  LoadCustomColours(skin, source);
}
