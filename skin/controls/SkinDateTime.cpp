#include "skin/controls/SkinDateTime.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/data/WinSkinData.h"
#include "skin/manager/SkinManage.h"
#include "skin/manager/SkinMessages.h"
#include <windowsx.h>

DEFINE_CLASS_INFO(TArrowButton, TWinControl, {})
DEFINE_CLASS_INFO(TSkinDateTime, TSkinControl, {})

TArrowButton::TArrowButton(TComponent* AOwner) : TWinControl(AOwner), FArrowWidth(GetSystemMetrics(SM_CXHSCROLL)) {
  FTabStop = false;
}

void TArrowButton::AttachToPicker(TSkinDateTime* Skinner, TWinControl* Picker) {
  FSkinner = Skinner;
  FPicker = Picker;
  FPickerHandle = Picker->Handle();
  RECT r;
  GetWindowRect(FPickerHandle, &r);
  FLeft = LeftScrollBar() ? 2 : (r.right - r.left) - FArrowWidth - 4;
  FTop = 0;
  FWidth = FArrowWidth;
  FHeight = Picker->GetHeight() - 4;
  HandleNeeded();
}

void TArrowButton::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.WndParent = FPickerHandle;
  // Every press is a press, as on the button beneath: a quick second click
  // must close the calendar the first one opened.
  p.ClassStyle &= ~UINT(CS_DBLCLKS);
}

bool TArrowButton::LeftScrollBar() const {
  return GetWindowLongPtrW(FPickerHandle, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR;
}

void TArrowButton::Reposition(const RECT& Rect) {
  const int left = LeftScrollBar() ? 2 : Rect.right - FArrowWidth - 4;
  SetBounds(left, FTop, FWidth, FPicker ? FPicker->GetHeight() - 4 : FHeight);
}

void TArrowButton::SetHot(bool hot) {
  if (!IsWindowEnabled(FPickerHandle)) return;
  FButtonState = hot ? FButtonState | kHot : FButtonState & ~kHot;
  Invalidate();
}

void TArrowButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      SetHot(m.Msg == CM_MOUSEENTER);
      break;
    case WM_LBUTTONDOWN: {
      TWinControl::WndProc(m);
      // The same click on the picker's own button, in the picker's client area.
      const LPARAM at = MAKELPARAM(GET_X_LPARAM(m.LParam) + FLeft, GET_Y_LPARAM(m.LParam) + FTop);
      PostMessageW(FPickerHandle, WM_LBUTTONDOWN, m.WParam, at);
      PostMessageW(FPickerHandle, WM_LBUTTONUP, m.WParam, at);
      Invalidate();
      return;
    }
    case WM_LBUTTONUP: {
      TWinControl::WndProc(m);
      // A calendar the click dropped down has the focus, and loses it, and
      // closes, when it is taken away.
      const HWND calendar = HWND(SendMessageW(FPickerHandle, DTM_GETMONTHCAL, 0, 0));
      if (!calendar || !IsWindowVisible(calendar)) ::SetFocus(FPickerHandle);
      return;
    }
    default:
      break;
  }
  TWinControl::WndProc(m);
}

void TArrowButton::PaintWindow(HDC dc) {
  TSkinData* skin = FSkinner ? FSkinner->SkinData() : nullptr;
  if (!skin || !FPicker) return;
  const RECT target{0, 0, FWidth, FPicker->GetHeight() - 4};
  FillColor(dc, target, skin->SkinColours[scButtonFace]);
  const TDataSkinObject* arrow = skin->ComboxArrow.get();
  if (HasImage(arrow))
    DrawStripFrame(dc, target, std::max(1, arrow->FrameCount), Hot() ? 4 : 1, *arrow->Image);
}

void TSkinDateTime::AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas) {
  if (FAttached) return;
  TSkinControl::AttachControl(Form, SkinData, OwnsColor, Canvas);
  if (!FControl) return;
  // A time picker steps with its own up-down, which is skinned as one.
  if (GetWindowLongPtrW(FHandle, GWL_STYLE) & DTS_UPDOWN) {
    SkinUpDown();
    return;
  }
  FArrowButton = new TArrowButton(this);
  FArrowButton->AttachToPicker(this, FControl);
  // The picker's own painting leaves the arrow alone.
  const LONG_PTR style = GetWindowLongPtrW(FHandle, GWL_STYLE);
  FAddedClipChildren = !(style & WS_CLIPCHILDREN);
  if (FAddedClipChildren) SetWindowLongPtrW(FHandle, GWL_STYLE, style | WS_CLIPCHILDREN);
}

void TSkinDateTime::SkinUpDown() {
  if (!FSkinData->Has(xcSpin)) return;
  for (HWND child = GetTopWindow(FHandle); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsSpinButtonClass(ClassNameOf(child)) || SendMessageW(child, WM_SKIN_QUERY, 0, 0) == 1) continue;
    // Registered with the form skinner, which detaches and frees it.
    (new TSkinUpDown(Owner()))->AttachWindow(child, FSkinData, FForm, FCanvas);
  }
}

void TSkinDateTime::Detach() {
  if (!FActive) return;
  TSkinControl::Detach();
  delete std::exchange(FArrowButton, nullptr);
  if (FStatus == ssWindowGone || !FHandle) return;
  if (FAddedClipChildren)
    SetWindowLongPtrW(FHandle, GWL_STYLE, GetWindowLongPtrW(FHandle, GWL_STYLE) & ~LONG_PTR(WS_CLIPCHILDREN));
  FAddedClipChildren = false;
  InvalidateRect(FHandle, nullptr, TRUE);
}

void TSkinDateTime::AfterMessage(TMessage& Message) {
  if (Message.Msg == WM_SIZE) {
    if (FArrowButton) FArrowButton->Invalidate();
    return;
  }
  TSkinControl::AfterMessage(Message);
}

void TSkinDateTime::PaintControl(HDC DC, const RECT& Rect) {
  if (FArrowButton) FArrowButton->Reposition(Rect);
  FrameBorderedWindow(FHandle, DC, Rect, FSkinData->SkinColours[scButtonShadow]);
}
