#include "skin/data/SkinBuildSteps.h"
#include "skin/data/SkinElementSlots.h"
#include <algorithm>

namespace {
int StripFrames(const std::unique_ptr<TBitmap>& image) {
  return image ? ButtonStripFrames(image->Width(), image->Height()) : 4;
}
}  // namespace

void ApplyFrameCounts(TSkinState& skin, const TSkinSource& source) {
  skin.PushButtons->FrameCount = kPushButtonFrames;
  skin.Title->FrameCount = kTitleFrames;
  if (skin.MenuBarElement) skin.MenuBarElement->FrameCount = kMenuBarFrames;
  ForEachElementSlot(skin, [&source](auto& slot, const TElementSection& row) {
    if (!slot) return;
    const int frameCountKey = row.Rule == frFrameCountKey ? source.Int(row.Section, kFrameCountKey, row.Frames) : 0;
    slot->FrameCount = ElementFramesAfterLoad(row, slot->FrameCount, slot->Style, frameCountKey);
  });

  TDataSkinButton& buttons = *skin.PushButtons;
  if (buttons.RadioButtonFrame == 0) buttons.RadioButtonFrame = StripFrames(buttons.RadioImage);
  if (buttons.CheckButtonFrame == 0) buttons.CheckButtonFrame = StripFrames(buttons.CheckImage);
}
