#include "skin/data/SkinBuildSteps.h"
#include "skin/data/SkinElementLoad.h"
#include "skin/data/SkinImages.h"
#include <iterator>

namespace {
template <class T>
T& Ensure(std::unique_ptr<T>& slot, const wchar_t* name) {
  if (!slot) slot = std::make_unique<T>(name);
  return *slot;
}

// Left and right sides keep their fixed end pieces in TopHeight and
// BottomHeight, top and bottom ones in LeftWidth and RightWidth.
void LoadFrameSide(TDataSkinBorder& side, const TSkinSource& s, const std::string& prefix, bool vertical) {
  const int first = s.Int(kPersonalitySection, prefix + kSideFirstEndSuffix, 0);
  const int last = s.Int(kPersonalitySection, prefix + kSideLastEndSuffix, 0);
  side.TopHeight = vertical ? first : 0;
  side.BottomHeight = vertical ? last : 0;
  side.LeftWidth = vertical ? 0 : first;
  side.RightWidth = vertical ? 0 : last;
  side.FrameCount = s.Int(kPersonalitySection, prefix + kSideFrameSuffix, 1);
  side.Tile = s.Int(kPersonalitySection, prefix + kSideStretchSuffix, 1);
  side.Trans = s.Int(kPersonalitySection, prefix + kSideTransSuffix, 1);
  s.Image(EnsureBitmap(side.Image), kPersonalitySection, prefix);
  if (side.Tile > 1) side.Tile = 1;
}

// The title's text colour from three integer keys, when all are given.
TColor TitleTextColour(const TSkinSource& s, const std::string& prefix) {
  const int r = s.Int(kPersonalitySection, prefix + kTitleTextChannels[0], -1);
  const int g = s.Int(kPersonalitySection, prefix + kTitleTextChannels[1], -1);
  const int b = s.Int(kPersonalitySection, prefix + kTitleTextChannels[2], -1);
  if (r < 0 || g < 0 || b < 0) return clNone;
  return TColor(RGB(r & 0xFF, g & 0xFF, b & 0xFF));
}
}  // namespace

void LoadFrameSides(TSkinState& skin, const TSkinSource& source) {
  std::unique_ptr<TDataSkinBorder>* const slots[] = {&skin.FrameSideLeft, &skin.FrameSideRight, &skin.FrameSideTop,
                                                     &skin.FrameSideBottom};
  static_assert(std::size(slots) == kFrameSides.size());
  for (size_t i = 0; i < kFrameSides.size(); ++i) {
    const TFrameSideName& side = kFrameSides[i];
    LoadFrameSide(Ensure(*slots[i], ElementName(side.Name).c_str()), source, side.Name, side.Vertical);
  }
}

void LoadPushButtons(TSkinState& skin, const TSkinSource& source) {
  static constexpr const char* kSection = kButtonsSection;
  TDataSkinButton& buttons = Ensure(skin.PushButtons, L"Buttons");
  TElementLoader(source, skin.SkinColours[4]).Fill(buttons, kSection, kPushButtonKeys);
  source.Image(EnsureBitmap(buttons.CheckImage), kSection, kCheckImageKey);
  source.Image(EnsureBitmap(buttons.RadioImage), kSection, kRadioImageKey);
  buttons.RadioButtonFrame = source.Int(kSection, kRadioFramesKey, 0);
  buttons.CheckButtonFrame = source.Int(kSection, kCheckFramesKey, 0);
  buttons.HasNormalColour2 = source.Has(kSection, kSecondColourKeys[0]);
  buttons.HasMouseOverColour2 = source.Has(kSection, kSecondColourKeys[1]);
  buttons.HasPressedColour2 = source.Has(kSection, kSecondColourKeys[2]);
}

void LoadTitle(TSkinState& skin, const TSkinSource& source) {
  TDataSkinTitle& title = Ensure(skin.Title, L"Title");
  source.Image(EnsureBitmap(title.Image), kPersonalitySection, kTitleImageKey);
  title.LeftWidth = source.Int(kPersonalitySection, kTitleShiftKey, 0);
  title.TopHeight = source.Int(kPersonalitySection, kTitleShiftVertKey, 0);
  title.RightWidth = source.Int(kPersonalitySection, kTitleRightClipKey, 0);
  title.BottomHeight = 0;
  title.TextAlignment = source.Int(kPersonalitySection, kTitleAlignmentKey, 0);
  title.Textbackground = source.Int(kPersonalitySection, kTitleBackgroundKey, 0);
  title.FontHeight = source.Int(kFontsSection, kFontHeightKey, 14);
  title.TXTBackleft = source.Int(kPersonalitySection, kTitleBackLeftKey, 0);
  title.TXTBackRight = source.Int(kPersonalitySection, kTitleBackRightKey, 0);
  title.ActiveTextColour = TitleTextColour(source, kTitleActiveTextPrefix);
  title.InActiveTextColour = TitleTextColour(source, kTitleInactiveTextPrefix);
}

void LoadMenuBar(TSkinState& skin, const TSkinSource& source) {
  skin.MenuBarElement.reset();
  if (!source.Has(kPersonalitySection, kMenuBarImageKey)) return;
  auto bar = std::make_unique<TDataSkinObject>(ElementName(kPersonalitySection));
  source.Image(EnsureBitmap(bar->Image), kPersonalitySection, kMenuBarImageKey);
  bar->TopHeight = bar->BottomHeight = 0;
  bar->Tile = source.Int(kPersonalitySection, kMenuBarTileKey, 1);
  // Switches for the end pieces, not widths.
  bar->LeftWidth = source.Int(kPersonalitySection, kMenuBarLeftKey, 1);
  bar->RightWidth = source.Int(kPersonalitySection, kMenuBarRightKey, 1);
  if (bar->Tile > 1) bar->Tile = 1;
  skin.MenuBarElement = std::move(bar);
}
