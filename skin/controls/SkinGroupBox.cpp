#include "skin/controls/SkinGroupBox.h"
#include "skin/data/WinSkinData.h"

DEFINE_CLASS_INFO(TSkinGroupBox, TSkinControl, {})

namespace {
// The corners' ellipse.
constexpr int kCorner = 5;

int TextHeight(HDC dc) {
  SIZE size{};
  GetTextExtentPoint32A(dc, "0", 1, &size);
  return size.cy;
}
}  // namespace

void TSkinGroupBox::AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas) {
  if (FAttached) return;
  TSkinControl::AttachControl(Form, SkinData, OwnsColor, Canvas);
  if (FControl) FMode = 1;
}

void TSkinGroupBox::Detach() { DetachAndRepaint(); }

bool TSkinGroupBox::BeforeMessage(TMessage& Message) {
  const bool passOn = TSkinControl::BeforeMessage(Message);
  if (FMode != 1 || Message.Msg != WM_PAINT) return passOn;
  HandlePaint(*this, Message);
  return false;
}

void TSkinGroupBox::PaintControl(HDC DC, const RECT& Rect) {
  FBuffer.SetSize(Rect.right - Rect.left, Rect.bottom - Rect.top);
  if (FBuffer.Empty()) return;
  const HDC buffer = FBuffer.Canvas().Handle();
  // Over a bare window the native picture is the start.
  if (FMode != 1) BitBlt(buffer, 0, 0, FBuffer.Width(), FBuffer.Height(), DC, Rect.left, Rect.top, SRCCOPY);
  PaintGroup(buffer, {0, 0, FBuffer.Width(), FBuffer.Height()});
  BitBlt(DC, Rect.left, Rect.top, FBuffer.Width(), FBuffer.Height(), buffer, 0, 0, SRCCOPY);
}

void TSkinGroupBox::PaintGroup(HDC DC, const RECT& R) {
  FText = ReadWindowText(FHandle);
  if (FText.empty() && FControl) FText = ReadTextProp(FControl, "Caption");
  if (FControl) FillFace(DC, R);
  const HFONT font = FControl ? FControl->EffectiveFont().Handle() : HFONT(SendMessageW(FHandle, WM_GETFONT, 0, 0));
  TSavedDCText saved(DC, font);
  if (FControl) SetTextColor(DC, ColorToRGB(FControl->EffectiveFont().GetColor()));
  const int top = GroupFrameTop(TextHeight(DC));
  if (FMode != 1) {
    // The native frame goes under the face.
    RECT native{0, top, R.right, R.bottom};
    FrameRect(DC, &native, FSkinData->ButtonFaceBrush.Get());
    InflateRect(&native, -1, -1);
    FrameRect(DC, &native, FSkinData->ButtonFaceBrush.Get());
  }
  {
    TPenHandle pen(CreatePen(PS_SOLID, 1, ColorToRGB(FSkinData->SkinColours[scButtonShadow])));
    TSelectObject selectedPen(DC, pen.Get());
    TSelectObject hollow(DC, GetStockObject(NULL_BRUSH));
    RoundRect(DC, 1, top, R.right - 1, R.bottom - 1, kCorner, kCorner);
  }
  // Opaque: the caption blanks the line behind it.
  SetBkColor(DC, ColorToRGB(FSkinData->SkinColours[scButtonFace]));
  SetBkMode(DC, OPAQUE);
  if (GetLong(FHandle, GWL_EXSTYLE) & WS_EX_RIGHT) {
    RECT caption{R.left, R.top, R.right - kGroupCaptionInset, R.bottom};
    DrawTextW(DC, FText.c_str(), int(FText.size()), &caption, BiDiTextFlags(*this, DT_RIGHT | DT_EXPANDTABS));
  } else {
    RECT caption{R.left + kGroupCaptionInset, R.top, R.right, R.bottom};
    DrawTextW(DC, FText.c_str(), int(FText.size()), &caption, DT_EXPANDTABS);
  }
  if (FControl && FMode == 1) FControl->PaintControls(DC, R);
}
