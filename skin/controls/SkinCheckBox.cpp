#include "skin/controls/SkinCheckBox.h"
#include "skin/data/WinSkinData.h"
#include <algorithm>

DEFINE_CLASS_INFO(TSkinCheckBox, TSkinCheckable, {})

namespace {
// FCheckState of a grayed BM_SETCHECK.
constexpr int kGrayedCheckState = BST_INDETERMINATE + 1;

bool Contains(const std::wstring& text, const wchar_t* part) { return text.find(part) != std::wstring::npos; }
}  // namespace

void TSkinCheckBox::AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas) {
  if (FAttached) return;
  TSkinCheckable::AttachControl(Form, SkinData, OwnsColor, Canvas);
  FCheckState = 0;
}

void TSkinCheckBox::AfterMessage(TMessage& Message) {
  // A wParam past the grayed state counts as one past it: never wrapped.
  if (Message.Msg == BM_SETCHECK) FCheckState = int(std::min<WPARAM>(Message.WParam, BST_INDETERMINATE + 1)) + 1;
  TSkinCheckable::AfterMessage(Message);
}

TBitmap* TSkinCheckBox::Strip() const {
  const TDataSkinButton* buttons = FSkinData ? FSkinData->PushButtons.get() : nullptr;
  return buttons ? buttons->CheckImage.get() : nullptr;
}

int TSkinCheckBox::StripFrames() const { return FSkinData->PushButtons->CheckButtonFrame; }

int TSkinCheckBox::PublishedImage(int image) const {
  if (!FControl) return image;
  if (IsPublishedProp(FControl, "State")) {
    std::wstring state = ReadEnumProp(FControl, "State");
    for (wchar_t& c : state) c = wchar_t(towlower(c));
    if (Contains(state, L"uncheck"))
      image = ciUnchecked;
    else if (Contains(state, L"check"))
      image = ciChecked;
    else if (Contains(state, L"gray"))
      image = ciCheckedDisabled;
  } else if (IsPublishedProp(FControl, "Checked")) {
    image = IsTrue(ReadEnumProp(FControl, "Checked")) ? ciChecked : ciUnchecked;
  }
  // Data-aware boxes: what the data last set, grayed included.
  if (IsPublishedProp(FControl, "DataField") && FCheckState != 0)
    image = FCheckState == kGrayedCheckState ? int(ciCheckedDisabled) : FCheckState;
  if (IsPublishedProp(FControl, "DataBinding")) image = ciUnchecked;
  return image;
}

int TSkinCheckBox::StateImage(int frames) {
  const LRESULT state = SendMessageW(FHandle, BM_GETSTATE, 0, 0);
  int image = PublishedImage(state & BST_CHECKED ? ciChecked : ciUnchecked);
  const bool disabled = Disabled();
  if (disabled) image += kDisabledImageOffset;
  const bool grayed = (state & (BST_CHECKED | BST_INDETERMINATE)) == BST_INDETERMINATE;
  if (grayed) image = ciCheckedDisabled;
  return StripImage(image, frames, kWideCheckFrames, grayed, disabled);
}
