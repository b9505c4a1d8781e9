#include "skin/data/SkinBuildSteps.h"
#include "skin/data/SkinElementLoad.h"
#include "skin/data/SkinImages.h"

namespace {
constexpr const char* kPersonality = "Personality";

template <class T>
T& Ensure(std::unique_ptr<T>& slot, const wchar_t* name) {
  if (!slot) slot = std::make_unique<T>(name);
  return *slot;
}

// Left and right sides keep their fixed end pieces in TopHeight and
// BottomHeight, top and bottom ones in LeftWidth and RightWidth.
void LoadFrameSide(TDataSkinBorder& side, const TSkinSource& s, const std::string& prefix, bool vertical) {
  const int first = s.Int(kPersonality, prefix + "TopHeight", 0);
  const int last = s.Int(kPersonality, prefix + "BotHeight", 0);
  side.TopHeight = vertical ? first : 0;
  side.BottomHeight = vertical ? last : 0;
  side.LeftWidth = vertical ? 0 : first;
  side.RightWidth = vertical ? 0 : last;
  side.FrameCount = s.Int(kPersonality, prefix + "Frame", 1);
  side.Tile = s.Int(kPersonality, prefix + "Stretch", 1);
  side.Trans = s.Int(kPersonality, prefix + "Trans", 1);
  s.Image(EnsureBitmap(side.Image), kPersonality, prefix);
  if (side.Tile > 1) side.Tile = 1;
}

// The title's text colour from three integer keys, when all are given.
TColor TitleTextColour(const TSkinSource& s, const std::string& prefix) {
  const int r = s.Int(kPersonality, prefix + "R", -1);
  const int g = s.Int(kPersonality, prefix + "G", -1);
  const int b = s.Int(kPersonality, prefix + "B", -1);
  if (r < 0 || g < 0 || b < 0) return clNone;
  return TColor(RGB(r & 0xFF, g & 0xFF, b & 0xFF));
}
}  // namespace

void LoadFrameSides(TSkinState& skin, const TSkinSource& source) {
  LoadFrameSide(Ensure(skin.FrameSideLeft, L"Left"), source, "Left", true);
  LoadFrameSide(Ensure(skin.FrameSideRight, L"Right"), source, "Right", true);
  LoadFrameSide(Ensure(skin.FrameSideTop, L"Top"), source, "Top", false);
  LoadFrameSide(Ensure(skin.FrameSideBottom, L"Bottom"), source, "Bottom", false);
}

void LoadPushButtons(TSkinState& skin, const TSkinSource& source) {
  static constexpr const char* kSection = "Buttons";
  static constexpr TElementKeys kKeys{"Bitmap", false, false, true, 0};
  TDataSkinButton& buttons = Ensure(skin.PushButtons, L"Buttons");
  TElementLoader(source, skin.SkinColours[4]).Fill(buttons, kSection, kKeys);
  source.Image(EnsureBitmap(buttons.CheckImage), kSection, "CheckButton");
  source.Image(EnsureBitmap(buttons.RadioImage), kSection, "RadioButton");
  buttons.RadioButtonFrame = source.Int(kSection, "RadioButtonFrame", 0);
  buttons.CheckButtonFrame = source.Int(kSection, "CheckButtonFrame", 0);
  buttons.HasNormalColour2 = source.Has(kSection, "NormalColour2");
  buttons.HasMouseOverColour2 = source.Has(kSection, "MouseOverColour2");
  buttons.HasPressedColour2 = source.Has(kSection, "PressedColour2");
}

void LoadTitle(TSkinState& skin, const TSkinSource& source) {
  TDataSkinTitle& title = Ensure(skin.Title, L"Title");
  source.Image(EnsureBitmap(title.Image), kPersonality, "TextBack");
  title.LeftWidth = source.Int(kPersonality, "TextShift", 0);
  title.TopHeight = source.Int(kPersonality, "TextShiftVert", 0);
  title.RightWidth = source.Int(kPersonality, "TextRightClip", 0);
  title.BottomHeight = 0;
  title.TextAlignment = source.Int(kPersonality, "TextAlignment", 0);
  title.Textbackground = source.Int(kPersonality, "Textbackground", 0);
  title.FontHeight = source.Int("Fonts", "FontHeight", 14);
  title.TXTBackleft = source.Int(kPersonality, "TXTBackleft", 0);
  title.TXTBackRight = source.Int(kPersonality, "TXTBackRight", 0);
  title.ActiveTextColour = TitleTextColour(source, "ActiveText");
  title.InActiveTextColour = TitleTextColour(source, "InActiveText");
}

void LoadMenuBar(TSkinState& skin, const TSkinSource& source) {
  static constexpr const char* kKey = "menuBar";
  skin.MenuBarElement.reset();
  if (!source.Has(kPersonality, kKey)) return;
  auto bar = std::make_unique<TDataSkinObject>(ElementName(kPersonality));
  source.Image(EnsureBitmap(bar->Image), kPersonality, kKey);
  bar->TopHeight = bar->BottomHeight = 0;
  bar->Tile = source.Int(kPersonality, "TileMenu", 1);
  // Switches for the end pieces, not widths.
  bar->LeftWidth = source.Int(kPersonality, "TileLeftMenu", 1);
  bar->RightWidth = source.Int(kPersonality, "TileRightMenu", 1);
  if (bar->Tile > 1) bar->Tile = 1;
  skin.MenuBarElement = std::move(bar);
}
