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
  return HasImage(e);
}

void TSkinStatusBar::PaintControl(HDC DC, const RECT& Rect) {
  TBitmap* scratch = SkinScratchBitmap();
  auto* bar = dynamic_cast<TStatusBar*>(FControl);
  if (!scratch) return;
  const RECT whole{0, 0, Rect.right - Rect.left, Rect.bottom - Rect.top};
  scratch->SetSize(whole.right, whole.bottom);
  TCanvas& canvas = scratch->Canvas();
  FillFace(canvas.Handle(), whole);
  if (FControl)
    canvas.Font().Assign(FControl->EffectiveFont());
  else
    canvas.Font().AssignHandle(HFONT(SendMessageW(FHandle, WM_GETFONT, 0, 0)));
  canvas.Font().SetStyle(0);
  if (FSkinData->StatusBarEdges) {
    canvas.Font().SetColor(FSkinData->StatusBarEdges->NormalColour2);
    SetTextColor(DC, ColorToRGB(FSkinData->StatusBarEdges->NormalColour2));
  }
  const std::vector<TPanelLook> panels = Panels();
  if (panels.empty())
    PaintSimple(canvas, whole);
  else
    PaintPanels(canvas, whole, panels);
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

std::vector<TSkinStatusBar::TPanelLook> TSkinStatusBar::Panels() const {
  std::vector<TPanelLook> looks;
  if (auto* bar = dynamic_cast<TStatusBar*>(FControl)) {
    if (bar->GetSimplePanel()) return looks;
    TStatusPanels& panels = *bar->Panels();
    for (int i = 0; i < panels.Count(); ++i)
      looks.push_back({PanelFrame(panels[i].GetBevel()), ReadTextProp(&panels[i], "Text"),
                       StatusPanelAlignment(panels[i]), panels[i].GetStyle() == psText});
    return looks;
  }
  // A bare status bar tells its parts, their texts and their borders.
  if (FControl || SendMessageW(FHandle, SB_ISSIMPLE, 0, 0)) return looks;
  const int parts = int(SendMessageW(FHandle, SB_GETPARTS, 0, 0));
  for (int i = 0; i < parts; ++i) {
    const DWORD info = DWORD(SendMessageW(FHandle, SB_GETTEXTLENGTHW, WPARAM(i), 0));
    const UINT type = HIWORD(info);
    std::wstring text;
    if (!(type & SBT_OWNERDRAW)) {
      text.resize(LOWORD(info) + 1);
      SendMessageW(FHandle, SB_GETTEXTW, WPARAM(i), LPARAM(text.data()));
      text.resize(LOWORD(info));
    }
    const int frame = (type & SBT_NOBORDERS) ? pfFlat : (type & SBT_POPOUT) ? pfRaised : pfLowered;
    looks.push_back({frame, text, UINT((type & SBT_RTLREADING) ? DT_RIGHT : DT_LEFT), !(type & SBT_OWNERDRAW)});
  }
  return looks;
}

void TSkinStatusBar::PaintSimple(TCanvas& canvas, const RECT& whole) {
  PaintFrame(canvas.Handle(), whole, pfLowered);
  std::wstring text = FControl ? ReadTextProp(FControl, "SimpleText") : ReadWindowText(FHandle);
  if (text.empty()) text = L" ";
  const UINT alignment = FControl && FControl->GetBiDiMode() == bdRightToLeft ? DT_RIGHT : DT_LEFT;
  DrawCaption(*this, canvas, InsetX(whole, 2), alignment, true, text);
}

void TSkinStatusBar::PaintPanels(TCanvas& canvas, const RECT& whole, const std::vector<TPanelLook>& panels) {
  for (size_t i = 0; i < panels.size(); ++i) {
    const TPanelLook& panel = panels[i];
    RECT p;
    if (!PanelRect(FHandle, int(i), p)) continue;
    p.right += 2;
    if (i + 1 == panels.size()) p.right = whole.right;  // the last runs to the bar's end
    PaintFrame(canvas.Handle(), p, panel.Frame);
    if (!panel.HasText) continue;
    DrawCaption(*this, canvas, InsetX(p, 2), panel.Alignment, true, panel.Text.empty() ? L" " : panel.Text);
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
  if (!(GetLong(FHandle, GWL_STYLE) & SBARS_SIZEGRIP) || !HasImage(extra)) return;
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
