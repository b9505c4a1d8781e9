#include "skin/controls/SkinAdvPage.h"
#include "skin/controls/SkinTabItems.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/SkinPaint.h"
#include <utility>

DEFINE_CLASS_INFO(TSkinAdvPage, TSkinControl, {})

namespace {
constexpr const char* kBackground = "TabBackGround";
constexpr const char* kActiveBackground = "TabBackGroundActive";

TBitmap* BitmapProp(TPersistent* control, const char* name) {
  return static_cast<TBitmap*>(ReadObjectProp(control, name, TBitmap::StaticClass()));
}

// A copy of the control's bitmap property, or null without one.
std::unique_ptr<TBitmap> CopyOf(TPersistent* control, const char* name) {
  TBitmap* own = BitmapProp(control, name);
  if (!own) return nullptr;
  auto copy = std::make_unique<TBitmap>();
  CopyBitmap(*own, *copy);
  return copy;
}

void Give(TPersistent* control, const char* name, TBitmap* bitmap) {
  if (BitmapProp(control, name)) SetPropValue(control, name, TValue::Obj(bitmap));
}
}  // namespace

void TSkinAdvPage::AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas) {
  if (FAttached) return;
  TSkinControl::AttachControl(Form, SkinData, OwnsColor, Canvas);
  Apply();
  FAttached = true;
  FStatus = ssAttached;
}

void TSkinAdvPage::Apply() {
  const TDataSkinBorder* tabs = FSkinData ? FSkinData->Tabs.get() : nullptr;
  if (PageMode != kAdvPageMode || !HasImage(tabs) || !FControl) return;
  if (!FOwnBackground && !FOwnActiveBackground) {
    FOwnBackground = CopyOf(FControl, kBackground);
    FOwnActiveBackground = CopyOf(FControl, kActiveBackground);
  }
  const std::pair<const char*, int> targets[] = {{kBackground, 1}, {kActiveBackground, 2}};
  for (const auto& [name, frame] : targets) {
    RECT target = kAdvTabBackground;
    // The element's Trans, not its Tile, says whether the centre is tiled.
    std::unique_ptr<TBitmap> background =
        ComposeNineSlice(target, *tabs->Image, SkinMargins(*tabs), false, tabs->Trans == 1, tabs->FrameCount, frame);
    Give(FControl, name, background.get());
  }
}

void TSkinAdvPage::SkinChanged() {
  Apply();
  TSkinControl::SkinChanged();
}

void TSkinAdvPage::PaintControl(HDC, const RECT&) {
  UpDownSkinner.Skin(FindUpDownChild(FHandle), FControl, false, FSkinData, FForm, FCanvas);
}

void TSkinAdvPage::Detach() {
  if (FStatus != ssWindowGone && FControl && (FOwnBackground || FOwnActiveBackground)) {
    Give(FControl, kBackground, FOwnBackground.get());
    Give(FControl, kActiveBackground, FOwnActiveBackground.get());
  }
  FOwnBackground.reset();
  FOwnActiveBackground.reset();
  if (DetachToNative(*this)) UpDownSkinner.SwitchOff(FHandle);
}
