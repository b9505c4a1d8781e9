#include "skin/data/SkinBuildSteps.h"
#include <algorithm>

namespace {
// Check-box and radio-button strips hold cells 13 pixels wide when lower
// than 16 pixels, else 16, and at least 4 of them.
int ButtonStripFrames(const std::unique_ptr<TBitmap>& image) {
  if (!image) return 4;
  const int cell = image->Height() < 16 ? 13 : 16;
  return std::max(image->Width() / cell, 4);
}

void SetCount(TDataSkinObject* element, int count) {
  if (element) element->FrameCount = count;
}
}  // namespace

void ApplyFrameCounts(TSkinState& skin, const TSkinSource& source) {
  const std::pair<TDataSkinObject*, int> fixed[] = {
      {skin.PushButtons.get(), 5},     {skin.Title.get(), 2},           {skin.MenuBarElement.get(), 2},
      {skin.GroupBoxEdge.get(), 2},    {skin.GroupBox.get(), 1},        {skin.Tabs.get(), 5},
      {skin.StatusBarEdges.get(), 3},  {skin.TabPane.get(), 1},         {skin.ToolBars.get(), 5},
      {skin.ComboButton.get(), 4},     {skin.SunkEdge.get(), 4},        {skin.ExtraImages.get(), 5},
      {skin.MenuItem.get(), 5},        {skin.MenuBackground.get(), 1},  {skin.Scrollbar.get(), 23},
      {skin.HorzScroll.get(), 4},      {skin.VertScroll.get(), 4},      {skin.TrackThumbHorz.get(), 5},
      {skin.TrackThumbVert.get(), 5},  {skin.TrackThumbLeft.get(), 5},  {skin.TrackThumbRight.get(), 5},
      {skin.TrackThumbUp.get(), 5},    {skin.TrackThumbDown.get(), 5},  {skin.UpDownHorz.get(), 8},
      {skin.UpDownVert.get(), 8}};
  for (const auto& [element, count] : fixed) SetCount(element, count);

  if (skin.ProgressBar) skin.ProgressBar->FrameCount = skin.ProgressBar->Style != 0 ? 1 : 2;
  if (skin.Headerbar && skin.Headerbar->FrameCount == 0) skin.Headerbar->FrameCount = 5;
  SetCount(skin.HorzScrollThumb.get(), source.Int("HorzScrollThumb", "FrameCount", 3));
  SetCount(skin.VertScrollThumb.get(), source.Int("VertScrollThumb", "FrameCount", 3));

  TDataSkinButton& buttons = *skin.PushButtons;
  if (buttons.RadioButtonFrame == 0) buttons.RadioButtonFrame = ButtonStripFrames(buttons.RadioImage);
  if (buttons.CheckButtonFrame == 0) buttons.CheckButtonFrame = ButtonStripFrames(buttons.CheckImage);
}
