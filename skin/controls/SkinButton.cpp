#include "skin/controls/SkinButton.h"
#include "host/Handles.h"
#include "skin/data/DataSkinObject.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/SkinPaint.h"
#include "skin/manager/SkinManage.h"

DEFINE_CLASS_INFO(TSkinButton, TSkinControl, {})

namespace {
std::wstring LowerName(const TComponent& c) {
  const std::string className = c.ClassName();  // one string: begin and end of the same
  std::wstring name(className.begin(), className.end());
  for (wchar_t& ch : name) ch = wchar_t(towlower(ch));
  return name;
}
}  // namespace

void TSkinButton::AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas) {
  TSkinControl::AttachControl(Form, SkinData, OwnsColor, Canvas);
  if (!FControl) return;
  // Buttons of these families handle their own mouse-down.
  const std::wstring name = LowerName(*FControl);
  FMode = name.rfind(L"trz", 0) == 0 || name.rfind(L"tel", 0) == 0 ? 1 : 0;
  ReadTransparent(*FControl);
}

void TSkinButton::ReadTransparent(const TControl& control) {
  FTransparent = ShowsParentBehind(control, FSkinData);
}

void TSkinButton::Detach() {
  const bool wasActive = FActive;
  TSkinControl::Detach();
  if (!wasActive || FStatus == ssWindowGone) return;
  // The skinned picture must not stay until something else repaints.
  if (FGraphicControl)
    FGraphicControl->Invalidate();
  else if (FHandle)
    InvalidateRect(FHandle, nullptr, TRUE);
}

TControl* TSkinButton::Painted() const {
  return FControl ? static_cast<TControl*>(FControl) : FGraphicControl;
}

bool TSkinButton::BeforeMessage(TMessage& Message) {
  if (PaintAll(Message)) return false;
  switch (Message.Msg) {
    case WM_TIMER:
      // The native button's own timer would repaint it natively.
      if (FHandle) KillTimer(FHandle, 1);
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!FFocused) SetFocus(FHandle);
      SetMouseBit(msPressed, true);
      PaintWindow(nullptr);
      if (FMode == 0 && FControl) ForwardMouseDown(Message);
      return false;
    default:
      return TSkinControl::BeforeMessage(Message);
  }
}

void TSkinButton::AfterMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETTEXT:
      PaintWindow(nullptr);
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (Message.WParam == VK_SPACE) {
        SetMouseBit(msPressed, Message.Msg == WM_KEYDOWN);
        Refresh();
      }
      break;
    case WM_MOUSEMOVE:
      if (FEnabled && !Hot()) {
        SetMouseBit(msHot, true);
        Refresh();
      }
      if (FHandle) SkinTrackMouseLeave(FHandle);
      break;
    case WM_LBUTTONUP:
      if (Pressed()) {
        SetMouseBit(msPressed, false);
        Refresh();
        Click();
      }
      break;
    case WM_MOUSELEAVE:
      FMouseState = 0;
      Refresh();
      break;
    case CM_DIALOGKEY:
    case CM_FOCUSCHANGED:
      Refresh();
      break;
    default:
      TSkinControl::AfterMessage(Message);
      break;
  }
}

void TSkinButton::Click() {
  if (FControl) {
    FControl->Click();
    return;
  }
  if (!FHandle) return;
  const HWND parent = GetParent(FHandle);
  // A class-library button's window reports no control ID.
  const WPARAM id = _wcsicmp(ClassNameOf(FHandle).c_str(), L"tbutton") == 0 ? 0 : WPARAM(GetDlgCtrlID(FHandle));
  PostMessageW(parent, WM_COMMAND, id, LPARAM(FHandle));
}

int TSkinButton::FrameFor(bool pressed, bool hot, bool focusedOrDefault, bool enabled) {
  if (!enabled) return bfDisabled;
  if (pressed) return bfPressed;
  if (hot) return bfHot;
  return focusedOrDefault ? bfFocused : bfNormal;
}

const TDataSkinButton* TSkinButton::Element() const {
  const TDataSkinButton* e = FSkinData ? FSkinData->PushButtons.get() : nullptr;
  return HasImage(e) ? e : nullptr;
}

int TSkinButton::ReadState(bool defaultCounts) {
  FFocused = GetFocus() == FHandle;
  FEnabled = !(GetLong(FHandle, GWL_STYLE) & WS_DISABLED);
  FDefault = defaultCounts && IsTrue(ReadEnumProp(FControl, "Default"));
  FText = FControl ? ReadTextProp(FControl, "Caption") : ReadWindowText(FHandle);
  return FrameFor(Pressed(), Hot(), FFocused || FDefault, FEnabled);
}

void TSkinButton::PrepareBuffer(const RECT& Rect) {
  FBuffer.SetSize(Rect.right - Rect.left, Rect.bottom - Rect.top);
  if (FBuffer.Empty()) return;
  const RECT whole{0, 0, FBuffer.Width(), FBuffer.Height()};
  if (FTransparent && Painted())
    PaintControlToDC(*Painted(), FBuffer.Canvas().Handle());
  else
    FillFace(FBuffer.Canvas().Handle(), whole);
}

TColor TSkinButton::TextColour(int frame, TColor start, TNormalColourRule rule, bool enabled) const {
  const TDataSkinButton& e = *FSkinData->PushButtons;
  TColor c = start;
  if (e.HasNormalColour2 && (rule == ncEveryFrame || frame == bfNormal)) c = e.NormalColour2;
  if (e.HasMouseOverColour2 && frame == bfHot) c = e.MouseOverColour2;
  if (e.HasPressedColour2 && frame == bfPressed) c = e.PressedColour2;
  if (!enabled) c = clBtnShadow;
  return c;
}

void TSkinButton::PaintControl(HDC DC, const RECT& Rect) {
  const TDataSkinButton* element = Element();
  if (!element) return;
  const int frame = ReadState();
  PrepareBuffer(Rect);
  if (FBuffer.Empty()) return;
  const HDC buffer = FBuffer.Canvas().Handle();
  const RECT whole{0, 0, FBuffer.Width(), FBuffer.Height()};
  DrawElement(buffer, whole, kButtonFrames, frame, *element);
  // A class-library button draws in its own font; a bare one in the window's.
  HFONT font = FControl ? FControl->EffectiveFont().Handle() : HFONT(SendMessageW(FHandle, WM_GETFONT, 0, 0));
  const TColor start = FControl ? FControl->EffectiveFont().GetColor() : FSkinData->SkinColours[4];
  TSelectObject selected(buffer, font);
  SetTextColor(buffer, ColorToRGB(TextColour(frame, start)));
  DrawButtonCaption(buffer, whole, DT_CENTER);
  BitBlt(DC, Rect.left, Rect.top, whole.right, whole.bottom, buffer, 0, 0, SRCCOPY);
}

void TSkinButton::DrawButtonCaption(HDC DC, const RECT& Rect, UINT Alignment) {
  FText = ReplaceFirst(FText, L"||", L"\r\n");
  const UINT flags = Alignment | DT_EXPANDTABS | DT_WORDBREAK;
  const int oldMode = SetBkMode(DC, TRANSPARENT);
  RECT t = Rect;
  InflateRect(&t, -2, -2);
  DrawTextW(DC, FText.c_str(), int(FText.size()), &t, flags | DT_CALCRECT | DT_NOCLIP);
  OffsetRect(&t, -t.left, -t.top);
  const int rw = Rect.right - Rect.left, rh = Rect.bottom - Rect.top;
  const int dy = (rh - t.bottom) / 2 - 1;
  if (Alignment & DT_CENTER) {
    OffsetRect(&t, Rect.left + (rw - t.right) / 2, Rect.top + dy);
  } else {
    OffsetRect(&t, 0, Rect.top + dy);
    t.left = Rect.left;
    t.right = Rect.right;
  }
  DrawTextW(DC, FText.c_str(), int(FText.size()), &t, BiDiTextFlags(*this, flags));
  SetBkMode(DC, oldMode);
  DrawCaptionFocus(DC, t);
}

void TSkinButton::DrawCaptionFocus(HDC DC, RECT Caption) const {
  if (!FFocused || FSkinData->Has(xoNoFocusRect)) return;
  InflateRect(&Caption, 2, 2);
  DrawFocusRect(DC, &Caption);
}
