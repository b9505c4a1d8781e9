#include "skin/data/SkinBuildSteps.h"
#include "skin/data/SkinImages.h"
#include <optional>

namespace {
// The caption-button sections, in file order; a hidden one (Action -1) only
// when its Visibility is 0.
std::vector<std::string> CaptionButtonSections(const TSkinSource& source) {
  std::vector<std::string> kept;
  for (const std::string& name : source.Sections()) {
    if (!IsCaptionButtonSection(name)) continue;
    if (IsSkippedCaptionButton(source.Int(name, kCaptionActionKey, caClose),
                               source.Int(name, kCaptionVisibilityKey, bvUndefined)))
      continue;
    kept.push_back(name);
  }
  return kept;
}

// A frame count the skin left out: 3 for an image at most 3.8 times as wide
// as high, else 6; buttons with a negative Action always 6. Icon buttons
// (Action 3 or 11) without a count lose their image.
void DeriveFrameCount(TDataSkinSysButton& button) {
  if (button.FrameCount != 0) return;
  const TBitmap& image = *button.Image;
  button.FrameCount = image.Empty() ? CaptionButtonFrames(button.Action, 0, 0)
                                    : CaptionButtonFrames(button.Action, image.Width(), image.Height());
  if (CaptionButtonDropsImage(button.Action)) button.Image->SetSize(0, 0);
}

std::unique_ptr<TDataSkinSysButton> LoadCaptionButton(const TSkinSource& s, const std::string& section,
                                                      std::optional<POINT>& restorePosition) {
  auto button = std::make_unique<TDataSkinSysButton>(ElementName(UpperAscii(section)));
  button->Action = s.Int(section, kCaptionActionKey, caClose);
  button->Align = s.Int(section, kCaptionAlignKey, baLeft);
  button->Xcoord = s.Int(section, kCaptionXKey, 0);
  button->Ycoord = s.Int(section, kCaptionYKey, 0);
  button->Visibility = s.Int(section, kCaptionVisibilityKey, bvAlways);
  button->Visibility1 = s.Int(section, kCaptionVisibility1Key, button->Action == caHidden ? bvUndefined : bvAlways);
  if (button->Action == caMaximize && button->Visibility == bvNotMaximized)
    restorePosition = POINT{button->Xcoord, button->Ycoord};
  // An Action 4 button before any Action 1 / Visibility 2 one keeps its own position.
  if (button->Action == caHelp && restorePosition) {
    button->Xcoord = restorePosition->x;
    button->Ycoord = restorePosition->y;
  }
  button->CombineOp = s.Int(section, kCaptionCombineOpKey, -1);
  button->FrameCount = s.Int(section, kCaptionFrameKey, 0);
  s.Image(EnsureBitmap(button->Image), section, kCaptionImageKey);
  DeriveFrameCount(*button);
  return button;
}

// Minimise, restore and close of a maximised MDI child (Actions 7, 8, 9).
void AppendMdiButtons(TSkinState& skin, const TSkinSource& source, const std::wstring& name) {
  TBitmap controls;
  source.Image(controls, kMdiControlsSection, kMdiControlsImageKey);
  const int cell = controls.Width() / kMdiControlsCells;
  for (int i = 0; i < 3; ++i) {
    auto button = std::make_unique<TDataSkinSysButton>(name);
    button->Action = caMDIMinimize + i;
    button->Align = baMDIMenuBar;
    button->Visibility = button->Visibility1 = bvMDIChildMaximized;
    button->FrameCount = 4;
    if (!controls.Empty()) {
      CutBitmap(*button->Image, controls, RECT{4 * cell * i, 0, 4 * cell * (i + 1), controls.Height()});
      button->Xcoord = (cell + 4) * (3 - i);
    }
    skin.SysButtonElements.push_back(std::move(button));
  }
}
}  // namespace

void LoadCaptionButtons(TSkinState& skin, const TSkinSource& source) {
  skin.SysButtonElements.clear();
  std::optional<POINT> restorePosition;
  const std::vector<std::string> sections = CaptionButtonSections(source);
  for (const std::string& section : sections)
    skin.SysButtonElements.push_back(LoadCaptionButton(source, section, restorePosition));
  AppendMdiButtons(skin, source, sections.empty() ? std::wstring() : ElementName(UpperAscii(sections.back())));
}
