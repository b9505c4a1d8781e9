#include "skin/form/WinSysButton.h"
#include "host/CallbackGuard.h"
#include "host/Handles.h"
#include "skin/data/DataSkinObject.h"
#include "skin/draw/FramePaint.h"
#include "skin/form/WinSkinForm.h"

void TNCObject::TakeMouse(TNCButtonState state) {
  if (Owner->HotObject && Owner->HotObject != this) Owner->HotObject->MouseLeave();
  if (!Visible) return;
  Owner->HotObject = this;
  ButtonState = state;
  Paint();
}

void TNCObject::MouseDown() { TakeMouse(nsPressed); }

void TNCObject::MouseUp() {
  if (!Visible) return;
  ButtonState = nsHot;
  Paint();
}

void TNCObject::MouseEnter() {
  if (Owner->HotObject != this) TakeMouse(nsHot);
}

void TNCObject::MouseLeave() {
  if (!Visible) return;
  Owner->HotObject = nullptr;
  ButtonState = nsNormal;
  Paint();
  Owner->HideHint();
}

bool TWinSysButton::IsIcon() const { return Element->Action == caSystemMenu || Element->Action == caIcon; }

int TWinSysButton::Frames() const {
  if (IconImage) return 1;
  return Element->FrameCount < 1 ? 1 : Element->FrameCount;
}

TBitmap* TWinSysButton::Picture() const { return IconImage ? IconImage.get() : Element->Image.get(); }

bool TWinSysButton::HasPicture() const { return Picture() && !Picture()->Empty(); }

int TWinSysButton::PaintFrameIndex() const {
  int frame = ButtonState;
  if (!Enabled) frame = Frames() >= nsDisabled ? nsDisabled : nsNormal;
  if (Element->Visibility == bvMDIChildMaximized && ButtonState == nsHot) frame = nsDisabled;
  return frame > Frames() ? 1 : frame;
}

void TWinSysButton::Paint() {
  if (!Visible || !HasPicture() || !Owner->Handle) return;
  TWholeWindowDC window(Owner->Handle);
  const HDC dc = window.Get();
  if (!dc) return;
  // A failed paint is reported and leaves the last picture of the button.
  GuardCallback("caption button paint", [&] {
    if (IsIcon())
      Owner->PaintCaptionIcon(dc, Bounds);
    else
      DrawFrameStretched(dc, Bounds, *Picture(), true, Frames(), PaintFrameIndex());
  });
}

const wchar_t* CaptionButtonHint(int action) {
  switch (action) {
    case caClose: case caMDIClose: case caMDICloseToo: return L"Close";
    case caMaximize: case caMaximizeToo: return L"Maximize";
    case caMinimize: case caMinimizeToo: case caMDIMinimize: case caMDIMinimizeToo: return L"Minimize";
    case caMDIRestore: case caMDIRestoreToo: return L"Restore";
    default: return L"";
  }
}
