#include "skin/form/WinSysButton.h"
#include "skin/data/DataSkinObject.h"
#include "skin/draw/FramePaint.h"
#include "skin/form/WinSkinForm.h"

void TNCObject::TakeMouse(int state) {
  if (Owner->HotObject && Owner->HotObject != this) Owner->HotObject->MouseLeave();
  if (!Visible) return;
  Owner->HotObject = this;
  ButtonState = state;
  Paint();
}

void TNCObject::MouseDown() { TakeMouse(2); }

void TNCObject::MouseUp() {
  if (!Visible) return;
  ButtonState = 3;
  Paint();
}

void TNCObject::MouseEnter() {
  if (Owner->HotObject != this) TakeMouse(3);
}

void TNCObject::MouseLeave() {
  if (!Visible) return;
  Owner->HotObject = nullptr;
  ButtonState = 1;
  Paint();
  Owner->HideHint();
}

bool TWinSysButton::IsIcon() const { return Element->Action == 3 || Element->Action == 11; }

int TWinSysButton::Frames() const {
  if (IconImage) return 1;
  return Element->FrameCount < 1 ? 1 : Element->FrameCount;
}

TBitmap* TWinSysButton::Picture() const { return IconImage ? IconImage.get() : Element->Image.get(); }

bool TWinSysButton::HasPicture() const { return Picture() && !Picture()->Empty(); }

int TWinSysButton::PaintFrameIndex() const {
  int frame = ButtonState;
  if (!Enabled) frame = Frames() > 3 ? 4 : 1;
  if (Element->Visibility == 100 && ButtonState == 3) frame = 4;
  return frame > Frames() ? 1 : frame;
}

void TWinSysButton::Paint() {
  if (!Visible || !HasPicture() || !Owner->Handle) return;
  HDC dc = GetWindowDC(Owner->Handle);
  if (!dc) return;
  try {
    if (IsIcon())
      Owner->PaintCaptionIcon(dc, Bounds);
    else
      DrawFrameStretched(dc, Bounds, *Picture(), true, Frames(), PaintFrameIndex());
  } catch (...) {
    // A failed paint leaves the last picture of the button.
  }
  ReleaseDC(Owner->Handle, dc);
}

const wchar_t* CaptionButtonHint(int action) {
  switch (action) {
    case 0: case 9: case 62: return L"Close";
    case 1: case 22: return L"Maximize";
    case 2: case 23: case 7: case 60: return L"Minimize";
    case 8: case 61: return L"Restore";
    default: return L"";
  }
}
