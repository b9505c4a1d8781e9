#include "skin/controls/SkinCheckable.h"
#include "host/Platform.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/SkinPaint.h"
#include <algorithm>

DEFINE_CLASS_INFO(TSkinCheckable, TSkinControl, {})

namespace {
// Between the mark and the caption.
constexpr int kCaptionGap = 2;
constexpr UINT kCaptionFormat = DT_EXPANDTABS | DT_WORDBREAK;

int Height(const RECT& r) { return r.bottom - r.top; }
}  // namespace

int StripImage(int image, int frames, int wideFrames, bool grayed, bool disabled) {
  image = std::clamp(image, int(ciUnchecked), int(ciCheckedDisabled));
  if (frames != wideFrames) return image;
  if (grayed) return disabled ? wiGrayedDisabled : wiGrayed;
  switch (image) {
    case ciChecked: return wiChecked;
    case ciUncheckedDisabled: return wiUncheckedDisabled;
    case ciCheckedDisabled: return wiCheckedDisabled;
    default: return wiUnchecked;
  }
}

TCheckLayout CheckLayout(const RECT& r, SIZE markSize, bool markAtRight, int rightGap, bool rightToLeft) {
  TCheckLayout layout{};
  const int top = r.top + (Height(r) - markSize.cy) / 2;
  if (markAtRight) {
    const int right = r.right - rightGap;
    layout.Mark = {right - markSize.cx, top, right, top + markSize.cy};
    layout.Caption = {r.left, r.top, layout.Mark.left - kCaptionGap, r.bottom};
    layout.Flags = rightToLeft ? DT_RIGHT | DT_RTLREADING : 0;
  } else {
    layout.Mark = {r.left, top, r.left + markSize.cx, top + markSize.cy};
    layout.Caption = {layout.Mark.right + kCaptionGap, r.top, r.right, r.bottom};
    layout.Flags = rightToLeft ? DT_RTLREADING : 0;
  }
  return layout;
}

void TSkinCheckable::AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas) {
  if (FAttached) return;
  TSkinControl::AttachControl(Form, SkinData, OwnsColor, Canvas);
  if (!FControl) return;
  ReadMode();
  FTransparent = ShowsParentBehind(*FControl, FSkinData);
}

bool TSkinCheckable::HasStrip() const {
  const TBitmap* strip = Strip();
  return strip && !strip->Empty();
}

void TSkinCheckable::ReadMode() { FMode = FControl && HasStrip() ? 1 : 0; }

void TSkinCheckable::Detach() { DetachAndRepaint(); }

void TSkinCheckable::SkinChanged() {
  if (FControl) ReadMode();
  TSkinControl::SkinChanged();
}

bool TSkinCheckable::BeforeMessage(TMessage& Message) {
  const bool passOn = TSkinControl::BeforeMessage(Message);
  switch (Message.Msg) {
    case WM_PAINT:
    case WM_PRINT:
      if (FMode != 1) return passOn;
      HandlePaint(*this, Message);
      return false;
    case WM_ERASEBKGND:
      if (!FTransparent) return passOn;
      HandleEraseBkgnd(*this, Message);
      return false;
    default:
      return passOn;
  }
}

void TSkinCheckable::AfterMessage(TMessage& Message) {
  switch (Message.Msg) {
    case BM_SETCHECK:
    // The native button paints its pressed look at once, outside WM_PAINT.
    case BM_SETSTATE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case CM_EXIT:
    case CM_CHECKREPAINT:
      Refresh();
      break;
    default:
      TSkinControl::AfterMessage(Message);
      break;
  }
}

bool TSkinCheckable::Disabled() const { return GetLong(FHandle, GWL_STYLE) & WS_DISABLED; }

void TSkinCheckable::PaintControl(HDC DC, const RECT& Rect) {
  TBitmap* strip = Strip();
  if (!strip || strip->Empty()) {
    FMode = 0;
    return;
  }
  const int frames = std::max(1, StripFrames());
  const SIZE mark{strip->Width() / frames, strip->Height()};
  FEnabled = !Disabled();
  FFocused = GetFocus() == FHandle;
  const int image = StateImage(frames);
  const bool markAtRight = GetLong(FHandle, GWL_STYLE) & BS_RIGHTBUTTON;
  const TCheckLayout layout = CheckLayout(Rect, mark, markAtRight, RightMarkGap(), BiDiTextFlags(*this, 0) != 0);
  if (FMode != 1) {
    // Over the native picture: the mark only.
    DrawStripFrame(DC, layout.Mark, frames, image, *strip);
    return;
  }
  FBuffer.SetSize(Rect.right - Rect.left, Rect.bottom - Rect.top);
  if (FBuffer.Empty()) return;
  const HDC buffer = FBuffer.Canvas().Handle();
  // Composed at the origin, as Rect is.
  if (FTransparent && FControl)
    PaintControlToDC(*FControl, buffer);
  else
    FillFace(buffer, Rect);
  DrawStripFrame(buffer, layout.Mark, frames, image, *strip);
  DrawCheckCaption(buffer, Rect, layout);
  BitBlt(DC, Rect.left, Rect.top, FBuffer.Width(), FBuffer.Height(), buffer, 0, 0, SRCCOPY);
}

void TSkinCheckable::DrawCheckCaption(HDC DC, const RECT& Rect, const TCheckLayout& Layout) {
  FText = FControl ? ReadTextProp(FControl, "Caption") : ReadWindowText(FHandle);
  const HFONT font = FControl ? FControl->EffectiveFont().Handle() : HFONT(SendMessageW(FHandle, WM_GETFONT, 0, 0));
  TSavedDCText saved(DC, font);
  if (FControl) SetTextColor(DC, ColorToRGB(FEnabled ? FControl->EffectiveFont().GetColor() : clBtnShadow));
  SetBkColor(DC, ColorToRGB(FSkinData->SkinColours[scButtonFace]));
  SetBkMode(DC, TRANSPARENT);
  const UINT flags = Layout.Flags | kCaptionFormat;
  RECT text = Layout.Caption;
  DrawTextW(DC, FText.c_str(), int(FText.size()), &text, flags | DT_CALCRECT | DT_NOCLIP);
  RECT caption = Layout.Caption;
  OffsetRect(&caption, 0, (Height(Rect) - Height(text)) / 2);
  // The system draws no focus rectangle around these captions from Vista on.
  if (FFocused && !FText.empty() && NotWinVista()) DrawTextFocus(DC, flags, caption);
  DrawTextW(DC, FText.c_str(), int(FText.size()), &caption, flags);
}
