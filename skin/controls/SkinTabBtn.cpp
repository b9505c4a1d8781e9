#include "skin/controls/SkinTabBtn.h"
#include "skin/controls/SkinTabItems.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/SkinPaint.h"
#include <commctrl.h>

DEFINE_CLASS_INFO(TSkinTabBtn, TSkinControl, {})

namespace {
constexpr int kButtonStripFrames = 5;
}

bool TSkinTabBtn::BeforeMessage(TMessage& Message) {
  if (Message.Msg != WM_PAINT) return TSkinControl::BeforeMessage(Message);
  HandlePaint(*this, Message);
  return false;
}

void TSkinTabBtn::PaintControl(HDC DC, const RECT& Rect) {
  const TDataSkinButton* e = FSkinData->PushButtons.get();
  if (!HasImage(e)) return;
  FEnabled = FControl ? FControl->GetEnabled() : !(GetLong(FHandle, GWL_STYLE) & WS_DISABLED);
  RECT display = Rect;
  SendMessageW(FHandle, TCM_ADJUSTRECT, FALSE, LPARAM(&display));
  InflateRect(&display, 4, 4);
  const RECT strip{Rect.left, Rect.top, Rect.right, display.top + 1};
  TBitmap buffer(strip.right - strip.left, strip.bottom - strip.top, pf24bit);
  if (buffer.Empty()) return;
  TCanvas& canvas = buffer.Canvas();
  FillFace(canvas.Handle(), {0, 0, buffer.Width(), buffer.Height()});
  AssignControlFont(canvas, *this);
  canvas.Font().SetColor(clBlack);
  const TTabRow row = ReadTabRow(FHandle, FUnicode);
  const int frames = e->FrameCount > 0 ? e->FrameCount : kButtonStripFrames;
  for (const TTabDraw& tab : row.Tabs) {
    RECT t = tab.Rect;
    OffsetRect(&t, 0, 1);
    DrawSkinElement(canvas.Handle(), t, *e->Image, SkinMargins(*e), false, e->Tile == 1, e->Trans == 1, frames,
                    tab.Frame);
    // A frame whose colour the skin does not give keeps the one before.
    if (tab.Frame == tfNormal && e->HasNormalColour2) canvas.Font().SetColor(e->NormalColour2);
    if (tab.Frame == tfFocused && e->HasPressedColour2) canvas.Font().SetColor(e->PressedColour2);
    DrawImageText(*this, canvas, t, 1, tab.Caption, tab.ImageIndex, row.Images, FEnabled);
  }
  BitBlt(DC, strip.left, strip.top, buffer.Width(), buffer.Height(), canvas.Handle(), 0, 0, SRCCOPY);
}

void TSkinTabBtn::Detach() { DetachToNative(*this); }
