#include "skin/controls/SkinControl.h"
#include "host/Handles.h"
#include "host/Platform.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/SkinPaint.h"
#include "skin/manager/SkinMessages.h"
#include <windowsx.h>

namespace {
TColor FaceColour(const TSkinData* data) { return data ? data->SkinColours[3] : clBtnFace; }
}  // namespace

DEFINE_CLASS_INFO(TSkinControl, TComponent, {})

TSkinControl::TSkinControl(TComponent* AOwner) : TComponent(AOwner) {}

TSkinControl::~TSkinControl() {
  *FAlive = false;
  Unlink();
}

void TSkinControl::Unlink() {
  FControlLink.Remove();
  FWindowLink.Remove();
  if (FForm) std::exchange(FForm, nullptr)->RemoveControlSkinner(this);
}

void TSkinControl::RegisterWithForm() {
  if (FForm) FForm->AddControlSkinner(this);
}

void TSkinControl::LinkControl(TControl& control) {
  RegisterWithForm();
  FControlLink.Install(control, [this](TMessage& m) { SkinWndProc(m); });
}

void TSkinControl::UnlinkControl() { FControlLink.Remove(); }

void TSkinControl::LinkWindow(HWND handle) {
  RegisterWithForm();
  FWindowLink.Install(handle, [this](UINT msg, WPARAM wparam, LPARAM lparam) {
    TMessage m{msg, wparam, lparam, 0};
    SkinWndProc(m);
    return m.Result;
  });
}

void TSkinControl::AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas) {
  if (FAttached) return;
  FOwnsColor = OwnsColor;
  FSkinData = SkinData;
  FForm = Form;
  FCanvas = Canvas;
  FControl = dynamic_cast<TWinControl*>(Owner());
  if (!FControl) return;
  FHandle = FControl->Handle();
  FUnicode = IsWindowUnicode(FHandle);
  LinkControl(*FControl);
  if (FOwnsColor) {
    SwitchParentBackground(true);
    FSavedColor = FControl->GetColor();
    FControl->SetColor(FaceColour(FSkinData));
  }
  if (FParentBackgroundOff) FMode = 1;
  FControl->Invalidate();
  FAttached = true;
  FStatus = ssAttached;
}

void TSkinControl::TakeControl(TWinControl* Control, TSkinData* SkinData, TSkinnerHost* Form, TCanvas* Canvas) {
  FSkinData = SkinData;
  FForm = Form;
  FCanvas = Canvas;
  FControl = Control;
  FHandle = Control->Handle();
  FUnicode = IsWindowUnicode(FHandle);
}

void TSkinControl::AttachWindow(HWND Handle, TSkinData* SkinData, TSkinnerHost* Form, TCanvas* Canvas) {
  FSkinData = SkinData;
  FCanvas = Canvas;
  FForm = Form;
  FHandle = Handle;
  FEnabled = true;
  FMode = 0;
  FUnicode = IsWindowUnicode(FHandle);
  FText = ReadWindowText(FHandle);
  LinkWindow(FHandle);
  InvalidateRect(FHandle, nullptr, TRUE);
  FAttached = true;
  FStatus = ssAttached;
}

void TSkinControl::Detach() {
  if (!FActive) return;
  FActive = false;
  if (FStatus != ssWindowGone && FOwnsColor && FControl) {
    SwitchParentBackground(false);
    FControl->SetColor(FSavedColor);
  }
}

void TSkinControl::DetachAndRepaint() {
  const bool wasActive = FActive;
  TSkinControl::Detach();
  if (wasActive && FStatus != ssWindowGone && FHandle) InvalidateRect(FHandle, nullptr, TRUE);
}

void TSkinControl::SetPropertyWhileSkinned(const char* Name, const std::wstring& Value) {
  if (!FControl || !IsPublishedProp(FControl, Name)) return;
  FSavedProperties.emplace_back(Name, ReadEnumProp(FControl, Name));
  WriteProp(FControl, Name, Value);
}

void TSkinControl::RestoreProperties() {
  const auto saved = std::exchange(FSavedProperties, {});
  if (FStatus == ssWindowGone || !FControl) return;
  for (auto it = saved.rbegin(); it != saved.rend(); ++it) WriteProp(FControl, it->first.c_str(), it->second);
}

void TSkinControl::Release() {
  Unlink();
  if (FCallDepth > 0) {
    FReleasePending = true;
    return;
  }
  delete this;
}

void TSkinControl::SkinWndProc(TMessage& Message) {
  if (Message.Msg == WM_SKIN_ENABLE) {
    FActive = LONG_PTR(Message.WParam) > 0;
    if (FActive) Refresh();
    return;
  }
  if (!FActive) {
    CallDefault(Message);
    return;
  }
  const std::shared_ptr<bool> alive = FAlive;
  ++FCallDepth;
  // The control's own processing may run a message loop in which the
  // skinner is released or its control destroyed.
  if (BeforeMessage(Message) && *alive) {
    CallDefault(Message);
    if (*alive) AfterMessage(Message);
  }
  if (!*alive) return;
  if (--FCallDepth == 0 && FReleasePending) delete this;
}

bool TSkinControl::BeforeMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCDESTROY: {
      FStatus = ssWindowGone;
      const std::shared_ptr<bool> alive = FAlive;
      CallDefault(Message);
      if (*alive && FActive) Detach();
      return false;
    }
    case WM_SKIN_QUERY:
      Message.Result = 1;
      return false;
    default:
      return true;
  }
}

void TSkinControl::AfterMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case CM_ENABLEDCHANGED:
      Refresh();
      break;
    case WM_PAINT:
      PaintWindow(HDC(Message.WParam));
      break;
    default:
      break;
  }
}

LRESULT TSkinControl::CallDefault(TMessage& Message) {
  if (FControlLink.Installed())
    FControlLink.CallNext(Message);
  else if (FWindowLink.Installed())
    Message.Result = FWindowLink.CallOld(Message.Msg, Message.WParam, Message.LParam);
  return Message.Result;
}

bool TSkinControl::CallDefaultSurvived(TMessage& Message) {
  const std::shared_ptr<bool> alive = FAlive;
  CallDefault(Message);
  return *alive;
}

void TSkinControl::PaintWindow(HDC DC) {
  RECT r;
  if (!FHandle || !GetWindowRect(FHandle, &r)) return;
  FWindowRect = r;
  const RECT whole{0, 0, r.right - r.left, r.bottom - r.top};
  if (DC) {
    PaintControl(DC, whole);
    return;
  }
  TWholeWindowDC windowDC(FHandle);
  if (windowDC.Get()) PaintControl(windowDC.Get(), whole);
}

void TSkinControl::PaintControl(HDC, const RECT&) {}

void TSkinControl::SkinChanged() {
  if (FOwnsColor && FControl) FControl->SetColor(FaceColour(FSkinData));
  Refresh();
}

bool TSkinControl::ParentMessage(TMessage&) { return false; }

void TSkinControl::Refresh() {
  if (FGraphicControl) {
    FGraphicControl->Invalidate();
  } else if (FHandle) {
    InvalidateRect(FHandle, nullptr, TRUE);
    UpdateWindow(FHandle);
  }
}

TColor TSkinControl::ParentColor(TColor Default) const {
  const TControl* control = FControl ? static_cast<const TControl*>(FControl) : FGraphicControl;
  if (!control || !control->Parent()) return Default;
  const int colour = ReadIntProp(control->Parent(), "Color");
  return IsPublishedProp(control->Parent(), "Color") ? TColor(colour) : Default;
}

void TSkinControl::FillFace(HDC DC, const RECT& Rect) const { FillColor(DC, Rect, FaceColour(FSkinData)); }

void TSkinControl::FillParentColor(HDC DC, const RECT& Rect) const {
  FillColor(DC, Rect, ParentColor(FaceColour(FSkinData)));
}

LONG_PTR TSkinControl::GetLong(HWND Handle, int Index) const {
  return FUnicode ? GetWindowLongPtrW(Handle, Index) : GetWindowLongPtrA(Handle, Index);
}

void TSkinControl::DrawTextFocus(HDC DC, UINT Flags, const RECT& Rect) {
  RECT t = Rect;
  DrawTextW(DC, FText.c_str(), int(FText.size()), &t, Flags | DT_CALCRECT | DT_NOCLIP);
  const int tw = t.right - t.left, th = t.bottom - t.top;
  const int rw = Rect.right - Rect.left, rh = Rect.bottom - Rect.top;
  if (Flags & DT_CENTER)
    OffsetRect(&t, (rw - tw) / 2, (rh - th) / 2 - 1);
  else if (Flags & DT_RIGHT)
    OffsetRect(&t, rw - tw, 0);
  InflateRect(&t, 2, 1);
  t.top = std::max(t.top, Rect.top);
  t.bottom = std::min(t.bottom, Rect.bottom);
  t.right = std::min(t.right, Rect.right);
  t.left = std::max(t.left, Rect.left);
  DrawFocusRect(DC, &t);
}

void TSkinControl::ForwardMouseDown(const TMessage& Message) {
  if (!FControl) return;
  POINT p{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
  // Coordinates of a control this large do not fit the message's words.
  if (FControl->GetWidth() > 0x8000 || FControl->GetHeight() > 0x8000) {
    GetCursorPos(&p);
    ScreenToClient(FHandle, &p);
  }
  FControl->MouseDown(mbLeft, KeysToShiftState(LOWORD(Message.WParam)), p.x, p.y);
}

void TSkinControl::SwitchParentBackground(bool Attaching) {
  if ((FSkinData && FSkinData->Has(xoParentBackGround)) || !FControl ||
      !IsPublishedProp(FControl, "ParentBackground"))
    return;
  if (Attaching) {
    FParentBackgroundOff = IsTrue(ReadEnumProp(FControl, "ParentBackground"));
    if (FParentBackgroundOff) WriteProp(FControl, "ParentBackground", L"False");
  } else if (FParentBackgroundOff) {
    WriteProp(FControl, "ParentBackground", L"True");
  }
}

bool TSkinControl::PaintAll(TMessage& Message) {
  if (Message.Msg == WM_PAINT) {
    HandlePaint(*this, Message);
    return true;
  }
  if (Message.Msg == WM_ERASEBKGND) {
    Message.Result = 1;
    return true;
  }
  return false;
}

bool ShowsParentBehind(const TControl& Control, const TSkinData* SkinData) {
  return Control.GetTag() == kTransparentTag || (SkinData && SkinData->Has(xoTransparent));
}

void TSkinControl::SetMouseBit(TMouseStateBit bit, bool on) {
  if (on)
    FMouseState |= bit;
  else
    FMouseState &= ~unsigned(bit);
}
