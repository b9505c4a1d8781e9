#include "skin/controls/SkinStatusBar.h"
#include "host/ComCtrls.h"
#include "host/Handles.h"
#include "skin/data/DataSkinObject.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/SkinPaint.h"
#include <commctrl.h>

DEFINE_CLASS_INFO(TSkinStatusBar, TSkinControl, {})

namespace {
int PanelFrame(TStatusPanelBevel bevel) {
  switch (bevel) {
    case pbLowered: return pfLowered;
    case pbRaised: return pfRaised;
    default: return pfFlat;
  }
}

bool PanelRect(HWND bar, int index, RECT& r) { return SendMessageW(bar, SB_GETRECT, WPARAM(index), LPARAM(&r)) != 0; }

RECT InsetX(RECT r, int dx) {
  InflateRect(&r, -dx, 0);
  return r;
}
}  // namespace

UINT StatusPanelAlignment(const TStatusPanel& panel) {
  TAlignment a = panel.GetAlignment();
  if (panel.GetBiDiMode() == bdRightToLeft && a != taCenter) a = a == taLeftJustify ? taRightJustify : taLeftJustify;
  return a == taRightJustify ? DT_RIGHT : a == taCenter ? DT_CENTER : DT_LEFT;
}

bool TSkinStatusBar::BeforeMessage(TMessage& Message) {
  return !PaintAll(Message) && TSkinControl::BeforeMessage(Message);
}

bool TSkinStatusBar::HasEdges() const {
  const TDataSkinObject* e = FSkinData->StatusBarEdges.get();
  return e && e->Image && !e->Image->Empty();
}

void TSkinStatusBar::PaintControl(HDC DC, const RECT& Rect) {
  TBitmap* scratch = SkinScratchBitmap();
  auto* bar = dynamic_cast<TStatusBar*>(FControl);
  if (!scratch) return;
  const RECT whole{0, 0, Rect.right - Rect.left, Rect.bottom - Rect.top};
  scratch->SetSize(whole.right, whole.bottom);
  TCanvas& canvas = scratch->Canvas();
  FillFace(canvas.Handle(), whole);
  if (FControl) canvas.Font().Assign(FControl->EffectiveFont());
  canvas.Font().SetStyle(0);
  if (FSkinData->StatusBarEdges) {
    canvas.Font().SetColor(FSkinData->StatusBarEdges->NormalColour2);
    SetTextColor(DC, ColorToRGB(FSkinData->StatusBarEdges->NormalColour2));
  }
  if (!bar || bar->GetSimplePanel() || bar->Panels()->Count() == 0)
    PaintSimple(canvas, whole);
  else
    PaintPanels(canvas, whole);
  PaintSizeGrip(canvas.Handle(), whole);
  BitBlt(DC, Rect.left, Rect.top, whole.right, whole.bottom, canvas.Handle(), 0, 0, SRCCOPY);
  if (!FControl) return;
  FControl->PaintControls(DC, whole);
  if (!bar || !bar->OnDrawPanel) return;
  for (int i = 0; i < bar->Panels()->Count(); ++i) {
    RECT p;
    if (!PanelRect(FHandle, i, p)) continue;
    InflateRect(&p, -2, -2);
    bar->DrawPanel((*bar->Panels())[i], DC, p);
  }
}

void TSkinStatusBar::PaintSimple(TCanvas& canvas, const RECT& whole) {
  PaintFrame(canvas.Handle(), whole, pfLowered);
  std::wstring text = ReadTextProp(FControl, "SimpleText");
  if (text.empty()) text = L" ";
  const UINT alignment = FControl && FControl->GetBiDiMode() == bdRightToLeft ? DT_RIGHT : DT_LEFT;
  DrawCaption(*this, canvas, InsetX(whole, 2), alignment, true, text);
}

void TSkinStatusBar::PaintPanels(TCanvas& canvas, const RECT& whole) {
  TStatusPanels& panels = *static_cast<TStatusBar*>(FControl)->Panels();
  for (int i = 0; i < panels.Count(); ++i) {
    TStatusPanel& panel = panels[i];
    RECT p;
    if (!PanelRect(FHandle, i, p)) continue;
    p.right += 2;
    if (i == panels.Count() - 1) p.right = whole.right;  // the last runs to the bar's end
    PaintFrame(canvas.Handle(), p, PanelFrame(panel.GetBevel()));
    if (panel.GetStyle() != psText) continue;
    std::wstring text = ReadTextProp(&panel, "Text");
    if (text.empty()) text = L" ";
    DrawCaption(*this, canvas, InsetX(p, 2), StatusPanelAlignment(panel), true, text);
  }
}

void TSkinStatusBar::PaintFrame(HDC dc, const RECT& r, int frame) {
  if (HasEdges())
    DrawPanelFrame(dc, r, frame);
  else
    DrawPanelBevel(dc, r, frame);
}

void TSkinStatusBar::PaintSizeGrip(HDC dc, const RECT& whole) {
  const TDataSkinObject* extra = FSkinData->ExtraImages.get();
  if (!(GetLong(FHandle, GWL_STYLE) & SBARS_SIZEGRIP) || !extra || !extra->Image || extra->Image->Empty()) return;
  const int frames = extra->FrameCount < 1 ? 1 : extra->FrameCount;
  const int w = extra->Image->Width() / frames, h = extra->Image->Height();
  const RECT grip{whole.right - 1 - w, whole.bottom - 1 - h, whole.right - 1, whole.bottom - 1};
  DrawStripFrame(dc, grip, frames, kSizeGripFrame, *extra->Image);
}

void TSkinStatusBar::DrawPanelFrame(HDC DC, const RECT& Rect, int FrameIndex) {
  const TDataSkinObject& e = *FSkinData->StatusBarEdges;
  if (Rect.right <= Rect.left || Rect.bottom <= Rect.top) return;
  // Opaque whatever the element's Trans says.
  DrawSkinElement(DC, Rect, *e.Image, SkinMargins(e), false, e.Tile == 1, false, kPanelFrames, FrameIndex);
}

void TSkinStatusBar::DrawPanelBevel(HDC DC, const RECT& Rect, int FrameIndex) {
  if (FrameIndex != pfLowered && FrameIndex != pfRaised) return;
  const TColor shadow = FrameIndex == pfLowered ? clBtnShadow : clBtnHighlight;
  const TColor light = FrameIndex == pfLowered ? clBtnHighlight : clBtnShadow;
  const int w = Rect.right - Rect.left, h = Rect.bottom - Rect.top;
  FillColor(DC, {Rect.left, Rect.top, Rect.right, Rect.top + 1}, shadow);
  FillColor(DC, {Rect.left, Rect.top, Rect.left + 1, Rect.bottom}, shadow);
  if (w > 1 && h > 1) {
    FillColor(DC, {Rect.left + 1, Rect.bottom - 1, Rect.right, Rect.bottom}, light);
    FillColor(DC, {Rect.right - 1, Rect.top + 1, Rect.right, Rect.bottom}, light);
  }
}
