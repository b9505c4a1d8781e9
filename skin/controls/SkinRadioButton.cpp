#include "skin/controls/SkinRadioButton.h"
#include "skin/data/WinSkinData.h"

DEFINE_CLASS_INFO(TSkinRadioButton, TSkinCheckable, {})

TBitmap* TSkinRadioButton::Strip() const {
  const TDataSkinButton* buttons = FSkinData ? FSkinData->PushButtons.get() : nullptr;
  return buttons ? buttons->RadioImage.get() : nullptr;
}

int TSkinRadioButton::StripFrames() const { return FSkinData->PushButtons->RadioButtonFrame; }

int TSkinRadioButton::StateImage(int frames) {
  int image = SendMessageW(FHandle, BM_GETCHECK, 0, 0) & BST_CHECKED ? ciChecked : ciUnchecked;
  if (FControl && IsPublishedProp(FControl, "Checked"))
    image = IsTrue(ReadEnumProp(FControl, "Checked")) ? ciChecked : ciUnchecked;
  const bool disabled = Disabled();
  if (disabled) image += kDisabledImageOffset;
  return StripImage(image, frames, kWideRadioFrames, false, disabled);
}
