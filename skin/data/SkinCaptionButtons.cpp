#include "skin/data/SkinBuildSteps.h"
#include "skin/data/SkinImages.h"
#include <cstdint>
#include <optional>

namespace {
// Sections of push buttons, check boxes and radio buttons, not caption buttons.
bool IsCaptionButtonSection(const std::string& upper) {
  return upper.rfind("BUTTON", 0) == 0 && upper != "BUTTON" && upper != "BUTTONS" &&
         upper != "BUTTON.RADIO" && upper != "BUTTON.CHECKBOX";
}

// The caption-button sections, in file order; a hidden one (Action -1) only
// when its Visibility is 0.
std::vector<std::string> CaptionButtonSections(const TSkinSource& source) {
  std::vector<std::string> kept;
  for (const std::string& name : source.Sections()) {
    if (!IsCaptionButtonSection(UpperAscii(name))) continue;
    if (source.Int(name, "Action", caClose) == caHidden && source.Int(name, "Visibility", bvUndefined) != bvAlways)
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
  button.FrameCount = 6;
  const TBitmap& image = *button.Image;
  if (!image.Empty()) {
    // width / height <= 3.8 in integers: x87 excess precision would make 76 x 20 miss.
    button.FrameCount = int64_t(image.Width()) * 5 <= int64_t(image.Height()) * 19 ? 3 : 6;
    if (button.Action < 0) button.FrameCount = 6;
  }
  if (button.Action == caSystemMenu || button.Action == caIcon) button.Image->SetSize(0, 0);
}

std::unique_ptr<TDataSkinSysButton> LoadCaptionButton(const TSkinSource& s, const std::string& section,
                                                      std::optional<POINT>& restorePosition) {
  auto button = std::make_unique<TDataSkinSysButton>(ElementName(UpperAscii(section)));
  button->Action = s.Int(section, "Action", caClose);
  button->Align = s.Int(section, "Align", baLeft);
  button->Xcoord = s.Int(section, "Xcoord", 0);
  button->Ycoord = s.Int(section, "Ycoord", 0);
  button->Visibility = s.Int(section, "Visibility", bvAlways);
  button->Visibility1 = s.Int(section, "Visibility1", button->Action == caHidden ? bvUndefined : bvAlways);
  if (button->Action == caMaximize && button->Visibility == bvNotMaximized)
    restorePosition = POINT{button->Xcoord, button->Ycoord};
  // An Action 4 button before any Action 1 / Visibility 2 one keeps its own position.
  if (button->Action == caHelp && restorePosition) {
    button->Xcoord = restorePosition->x;
    button->Ycoord = restorePosition->y;
  }
  button->CombineOp = s.Int(section, "CombineOp", -1);
  button->FrameCount = s.Int(section, "frame", 0);
  s.Image(EnsureBitmap(button->Image), section, "ButtonImage");
  DeriveFrameCount(*button);
  return button;
}

// Minimise, restore and close of a maximised MDI child (Actions 7, 8, 9).
void AppendMdiButtons(TSkinState& skin, const TSkinSource& source, const std::wstring& name) {
  TBitmap controls;
  source.Image(controls, "MDICONTROLS", "Image");
  const int cell = controls.Width() / 12;
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
