#include "host/ComCtrls.h"
#include <algorithm>
#include <commctrl.h>

// ---- TTabSheet ----

DEFINE_COMPONENT_INFO(TTabSheet, TWinControl,
  {IntProp("ImageIndex", &TTabSheet::GetImageIndex, &TTabSheet::SetImageIndex)})

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner) { FVisible = false; }

void TTabSheet::SetParent(TWinControl* parent) {
  if (FPageControl) FPageControl->RemovePage(this);
  FPageControl = dynamic_cast<TPageControl*>(parent);
  TWinControl::SetParent(parent);
  if (FPageControl) FPageControl->InsertPage(this);
}

void TTabSheet::SetText(const std::wstring& text) {
  FText = text;
  if (FPageControl) FPageControl->PageCaptionChanged(this);
}

// ---- TPageControl ----

DEFINE_CLASS_INFO(TCustomTabControl, TWinControl, {})
DEFINE_CLASS_INFO(TCustomStatusBar, TWinControl, {})

DEFINE_COMPONENT_INFO(TPageControl, TCustomTabControl,
  {TPropInfo{"ActivePage",
             [](TPersistent& o) {
               TTabSheet* p = static_cast<TPageControl&>(o).ActivePage();
               return TValue::Ident(p ? p->GetName() : L"");
             },
             [](TPersistent& o, const TValue& v) {
               auto& pc = static_cast<TPageControl&>(o);
               pc.FActivePageName = v.Str;
               if (!pc.Loading()) pc.ResolveActivePage();
             }}})

TPageControl::TPageControl(TComponent* AOwner) : TCustomTabControl(AOwner) { FTabStop = true; }

void TPageControl::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.SysClassName = WC_TABCONTROLW;
  p.Style |= WS_CLIPCHILDREN;
}

void TPageControl::Loaded() {
  TWinControl::Loaded();
  ResolveActivePage();
}

void TPageControl::ResolveActivePage() {
  for (TTabSheet* page : FPages)
    if (_wcsicmp(page->GetName().c_str(), FActivePageName.c_str()) == 0) SetActivePage(page);
  if (!FActivePage && !FPages.empty()) SetActivePage(FPages.front());
}

void TPageControl::InsertPage(TTabSheet* page) {
  FPages.push_back(page);
  if (FHandle) {
    TCITEMW item{TCIF_TEXT};
    std::wstring text = page->GetText();
    item.pszText = text.data();
    SendMessageW(FHandle, TCM_INSERTITEMW, FPages.size() - 1, LPARAM(&item));
  }
}

void TPageControl::RemovePage(TTabSheet* page) {
  auto it = std::find(FPages.begin(), FPages.end(), page);
  if (it == FPages.end()) return;
  if (FHandle) SendMessageW(FHandle, TCM_DELETEITEM, it - FPages.begin(), 0);
  FPages.erase(it);
  if (FActivePage == page) FActivePage = nullptr;
}

void TPageControl::PageCaptionChanged(TTabSheet* page) {
  auto it = std::find(FPages.begin(), FPages.end(), page);
  if (!FHandle || it == FPages.end()) return;
  TCITEMW item{TCIF_TEXT};
  std::wstring text = page->GetText();
  item.pszText = text.data();
  SendMessageW(FHandle, TCM_SETITEMW, it - FPages.begin(), LPARAM(&item));
}

void TPageControl::HandleCreated() {
  for (size_t i = 0; i < FPages.size(); ++i) {
    TCITEMW item{TCIF_TEXT};
    std::wstring text = FPages[i]->GetText();
    item.pszText = text.data();
    SendMessageW(FHandle, TCM_INSERTITEMW, i, LPARAM(&item));
  }
  SetActivePage(FActivePage);
}

RECT TPageControl::DisplayRect() {
  RECT r = ClientRect();
  if (FHandle) SendMessageW(FHandle, TCM_ADJUSTRECT, FALSE, LPARAM(&r));
  return r;
}

void TPageControl::AlignControls() {
  RECT r = DisplayRect();
  for (TTabSheet* page : FPages) page->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void TPageControl::SetActivePage(TTabSheet* page) {
  FActivePage = page;
  auto it = std::find(FPages.begin(), FPages.end(), page);
  if (FHandle && it != FPages.end()) SendMessageW(FHandle, TCM_SETCURSEL, it - FPages.begin(), 0);
  AlignControls();
  for (TTabSheet* p : FPages) p->SetVisible(p == page);
}

void TPageControl::WndProc(TMessage& m) {
  if (m.Msg == CN_NOTIFY && reinterpret_cast<NMHDR*>(m.LParam)->code == TCN_SELCHANGE) {
    int index = int(SendMessageW(FHandle, TCM_GETCURSEL, 0, 0));
    if (index >= 0 && index < int(FPages.size())) SetActivePage(FPages[size_t(index)]);
    return;
  }
  TWinControl::WndProc(m);
}

// ---- TStatusBar ----

DEFINE_CLASS_INFO(TStatusPanel, TPersistent,
  {IntProp("Width", &TStatusPanel::GetWidth, &TStatusPanel::SetWidth),
   StrProp("Text", &TStatusPanel::GetText, &TStatusPanel::SetText),
   EnumProp("Alignment", &TStatusPanel::GetAlignment, &TStatusPanel::SetAlignment,
            {L"taLeftJustify", L"taRightJustify", L"taCenter"}),
   EnumProp("Bevel", &TStatusPanel::GetBevel, &TStatusPanel::SetBevel, {L"pbNone", L"pbLowered", L"pbRaised"}),
   EnumProp("BiDiMode", &TStatusPanel::GetBiDiMode, &TStatusPanel::SetBiDiMode,
            {L"bdLeftToRight", L"bdRightToLeft", L"bdRightToLeftNoAlign", L"bdRightToLeftReadingOnly"}),
   EnumProp("Style", &TStatusPanel::GetStyle, &TStatusPanel::SetStyle, {L"psText", L"psOwnerDraw"})})

DEFINE_CLASS_INFO(TStatusPanels, TCollection, {})

TPersistent* TStatusPanels::AddItem() {
  FItems.push_back(std::make_unique<TStatusPanel>());
  return FItems.back().get();
}

void TStatusPanels::ItemsChanged() { FOwner.UpdatePanels(); }

DEFINE_COMPONENT_INFO(TStatusBar, TCustomStatusBar,
  {ObjProp("Panels", &TStatusBar::Panels),
   BoolProp("SimplePanel", &TStatusBar::GetSimplePanel, &TStatusBar::SetSimplePanel),
   StrProp("SimpleText", &TStatusBar::GetSimpleText, &TStatusBar::SetSimpleText),
   BoolProp("SizeGrip", &TStatusBar::GetSizeGrip, &TStatusBar::SetSizeGrip)})

TStatusBar::TStatusBar(TComponent* AOwner) : TCustomStatusBar(AOwner) {
  FAlign = alBottom;
  FClickOnMouseUp = true;
}

void TStatusBar::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.SysClassName = STATUSCLASSNAMEW;
  // The form lays the bar out itself.
  p.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | (FSizeGrip ? SBARS_SIZEGRIP : 0);
}

void TStatusBar::WndProc(TMessage& m) {
  if (m.Msg == CN_DRAWITEM) {
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam);
    if (int(item.itemID) >= 0 && int(item.itemID) < FPanels.Count()) DrawPanel(FPanels[int(item.itemID)], item.hDC, item.rcItem);
    m.Result = TRUE;
    return;
  }
  TWinControl::WndProc(m);
}

void TStatusBar::DrawPanel(TStatusPanel& panel, HDC dc, const RECT& rect) {
  if (!OnDrawPanel) return;
  FCanvas.SetHandle(dc);
  OnDrawPanel(this, &panel, rect);
  FCanvas.SetHandle(nullptr);
}

void TStatusBar::UpdatePanels() {
  if (!FHandle) return;
  SendMessageW(FHandle, SB_SIMPLE, FSimplePanel, 0);
  if (FSimplePanel) SendMessageW(FHandle, SB_SETTEXTW, SB_SIMPLEID, LPARAM(FSimpleText.c_str()));
  // Each panel ends where the next begins; the last one runs to the right edge.
  std::vector<int> edges;
  int edge = 0;
  for (int i = 0; i < FPanels.Count(); ++i) {
    edge += FPanels[i].GetWidth();
    edges.push_back(i + 1 == FPanels.Count() ? -1 : edge);
  }
  if (edges.empty()) edges.push_back(-1);
  SendMessageW(FHandle, SB_SETPARTS, edges.size(), LPARAM(edges.data()));
  for (int i = 0; i < FPanels.Count(); ++i) {
    TStatusPanel& panel = FPanels[i];
    WPARAM how = WPARAM(i);
    if (panel.GetBevel() == pbNone) how |= SBT_NOBORDERS;
    if (panel.GetBevel() == pbRaised) how |= SBT_POPOUT;
    if (panel.GetBiDiMode() != bdLeftToRight) how |= SBT_RTLREADING;
    // An owner-drawn panel's text is its index, as the drawing asks for it.
    if (panel.GetStyle() == psOwnerDraw)
      SendMessageW(FHandle, SB_SETTEXTW, how | SBT_OWNERDRAW, LPARAM(i));
    else
      SendMessageW(FHandle, SB_SETTEXTW, how, LPARAM(panel.GetText().c_str()));
  }
}
