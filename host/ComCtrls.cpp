#include "host/ComCtrls.h"
#include <algorithm>
#include <commctrl.h>

namespace {
// A tab item of the system control: its text, and its image.
TCITEMW TabItem(std::wstring& text, int image) {
  TCITEMW item{TCIF_TEXT | TCIF_IMAGE};
  item.pszText = text.data();
  item.iImage = image;
  return item;
}
}  // namespace

// ---- TCustomTabControl ----

DEFINE_CLASS_INFO(TCustomTabControl, TWinControl,
  {EnumProp("TabPosition", &TCustomTabControl::GetTabPosition, &TCustomTabControl::SetTabPosition,
            {L"tpTop", L"tpBottom", L"tpLeft", L"tpRight"}),
   EnumProp("Style", &TCustomTabControl::GetStyle, &TCustomTabControl::SetStyle,
            {L"tsTabs", L"tsButtons", L"tsFlatButtons"}),
   BoolProp("MultiLine", &TCustomTabControl::GetMultiLine, &TCustomTabControl::SetMultiLine),
   EventProp("OnChange", &TCustomTabControl::OnChange)})

TCustomTabControl::TCustomTabControl(TComponent* AOwner) : TWinControl(AOwner) { FTabStop = true; }

DWORD TCustomTabControl::TabStyles() const {
  DWORD style = FMultiLine ? TCS_MULTILINE : 0;
  switch (FTabPosition) {
    case tpBottom: style |= TCS_BOTTOM; break;
    // Side tabs come in rows only.
    case tpLeft: style |= TCS_VERTICAL | TCS_MULTILINE; break;
    case tpRight: style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE; break;
    default: break;
  }
  if (FStyle != tsTabs) style |= TCS_BUTTONS;
  if (FStyle == tsFlatButtons) style |= TCS_FLATBUTTONS;
  return style;
}

void TCustomTabControl::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.SysClassName = WC_TABCONTROLW;
  p.Style |= WS_CLIPCHILDREN | TabStyles();
}

void TCustomTabControl::HandleCreated() {
  if (FImages) SendMessageW(FHandle, TCM_SETIMAGELIST, 0, LPARAM(FImages->Handle()));
  UpdateTabs();
}

void TCustomTabControl::StylesChanged() {
  if (!FHandle) return;
  constexpr DWORD kTabStyles = TCS_MULTILINE | TCS_BOTTOM | TCS_VERTICAL | TCS_RIGHT | TCS_BUTTONS | TCS_FLATBUTTONS;
  const LONG_PTR style = GetWindowLongPtrW(FHandle, GWL_STYLE);
  SetWindowLongPtrW(FHandle, GWL_STYLE, (style & ~LONG_PTR(kTabStyles)) | LONG_PTR(TabStyles()));
  SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  AlignControls();
  Invalidate();
}

void TCustomTabControl::SetTabPosition(TTabPosition v) {
  FTabPosition = v;
  StylesChanged();
}

void TCustomTabControl::SetStyle(TTabStyle v) {
  FStyle = v;
  StylesChanged();
}

void TCustomTabControl::SetMultiLine(bool v) {
  FMultiLine = v;
  StylesChanged();
}

void TCustomTabControl::SetImages(TImageList* images) {
  FImages = images;
  if (FHandle) SendMessageW(FHandle, TCM_SETIMAGELIST, 0, LPARAM(images ? images->Handle() : nullptr));
  Invalidate();
}

RECT TCustomTabControl::DisplayRect() {
  RECT r = ClientRect();
  if (FHandle) SendMessageW(FHandle, TCM_ADJUSTRECT, FALSE, LPARAM(&r));
  return r;
}

void TCustomTabControl::InsertTab(int index, const std::wstring& text) {
  if (!FHandle) return;
  std::wstring copy = text;
  TCITEMW item = TabItem(copy, TabImageIndex(index));
  SendMessageW(FHandle, TCM_INSERTITEMW, WPARAM(index), LPARAM(&item));
}

void TCustomTabControl::SetTab(int index, const std::wstring& text) {
  if (!FHandle) return;
  std::wstring copy = text;
  TCITEMW item = TabItem(copy, TabImageIndex(index));
  SendMessageW(FHandle, TCM_SETITEMW, WPARAM(index), LPARAM(&item));
}

void TCustomTabControl::DeleteTab(int index) {
  if (FHandle) SendMessageW(FHandle, TCM_DELETEITEM, WPARAM(index), 0);
}

void TCustomTabControl::SelectTab(int index) {
  if (FHandle) SendMessageW(FHandle, TCM_SETCURSEL, WPARAM(index), 0);
}

void TCustomTabControl::WndProc(TMessage& m) {
  if (m.Msg == CN_NOTIFY && reinterpret_cast<NMHDR*>(m.LParam)->code == TCN_SELCHANGE) {
    TabChanged(int(SendMessageW(FHandle, TCM_GETCURSEL, 0, 0)));
    if (OnChange) OnChange(this);
    return;
  }
  TWinControl::WndProc(m);
}

// ---- TTabControl ----

DEFINE_COMPONENT_INFO(TTabControl, TCustomTabControl,
  {ObjProp("Tabs", &TTabControl::GetTabs),
   IntProp("TabIndex", &TTabControl::GetTabIndex, &TTabControl::SetTabIndex)})

TTabControl::TTabControl(TComponent* AOwner) : TCustomTabControl(AOwner) {}

void TTabControl::Loaded() {
  TCustomTabControl::Loaded();
  TabsChanged();
}

void TTabControl::UpdateTabs() {
  if (!FHandle) return;
  SendMessageW(FHandle, TCM_DELETEALLITEMS, 0, 0);
  for (int i = 0; i < FTabs.Count(); ++i) InsertTab(i, FTabs[i]);
  SelectTab(FTabIndex);
}

void TTabControl::TabsChanged() {
  if (FTabIndex >= FTabs.Count()) FTabIndex = FTabs.Count() - 1;
  UpdateTabs();
}

void TTabControl::SetTabIndex(int index) {
  FTabIndex = index >= -1 && index < FTabs.Count() ? index : -1;
  SelectTab(FTabIndex);
}

void TTabControl::TabChanged(int index) { FTabIndex = index; }

// ---- TTabSheet ----

DEFINE_COMPONENT_INFO(TTabSheet, TWinControl,
  {IntProp("ImageIndex", &TTabSheet::GetImageIndex, &TTabSheet::SetImageIndex),
   BoolProp("ParentBackground", &TTabSheet::GetParentBackground, &TTabSheet::SetParentBackground)})

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner) { FVisible = false; }

TTabSheet::~TTabSheet() {
  if (FPageControl) FPageControl->RemovePage(this);
}

void TTabSheet::SetParent(TWinControl* parent) {
  if (FPageControl) FPageControl->RemovePage(this);
  FPageControl = dynamic_cast<TPageControl*>(parent);
  TWinControl::SetParent(parent);
  if (FPageControl) FPageControl->InsertPage(this);
}

void TTabSheet::SetText(const std::wstring& text) {
  FText = text;
  if (FPageControl) FPageControl->PageChanged(this);
}

void TTabSheet::SetImageIndex(int v) {
  FImageIndex = v;
  if (FPageControl) FPageControl->PageChanged(this);
}

void TTabSheet::SetParentBackground(bool v) {
  FParentBackground = v;
  Invalidate();
}

int TTabSheet::PageIndex() const {
  if (!FPageControl) return -1;
  const auto& pages = FPageControl->Pages();
  auto it = std::find(pages.begin(), pages.end(), this);
  return it == pages.end() ? -1 : int(it - pages.begin());
}

void TTabSheet::WndProc(TMessage& m) {
  if (m.Msg == WM_ERASEBKGND && FParentBackground && FParent) {
    TCanvas canvas(HDC(m.WParam));
    canvas.BrushColor = FParent->GetColor();
    canvas.FillRect(ClientRect());
    m.Result = 1;
    return;
  }
  TWinControl::WndProc(m);
}

// ---- TPageControl ----

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

TPageControl::TPageControl(TComponent* AOwner) : TCustomTabControl(AOwner) {}

TPageControl::~TPageControl() {
  // The pages are freed with the children, after this part of us is gone.
  for (TTabSheet* page : FPages) page->FPageControl = nullptr;
}

void TPageControl::Loaded() {
  TCustomTabControl::Loaded();
  ResolveActivePage();
}

void TPageControl::ResolveActivePage() {
  for (TTabSheet* page : FPages)
    if (_wcsicmp(page->GetName().c_str(), FActivePageName.c_str()) == 0) SetActivePage(page);
  if (!FActivePage && !FPages.empty()) SetActivePage(FPages.front());
}

int TPageControl::TabImageIndex(int index) const {
  return index >= 0 && index < PageCount() ? FPages[size_t(index)]->GetImageIndex() : -1;
}

void TPageControl::InsertPage(TTabSheet* page) {
  FPages.push_back(page);
  InsertTab(PageCount() - 1, page->GetText());
}

void TPageControl::RemovePage(TTabSheet* page) {
  auto it = std::find(FPages.begin(), FPages.end(), page);
  if (it == FPages.end()) return;
  const int index = int(it - FPages.begin());
  DeleteTab(index);
  FPages.erase(it);
  FReleased.erase(std::remove(FReleased.begin(), FReleased.end(), page), FReleased.end());
  if (FActivePage != page) return;
  // The page at the same place, or the new last one, takes over.
  FActivePage = nullptr;
  if (!FPages.empty()) SetActivePage(FPages[size_t(std::min(index, PageCount() - 1))]);
}

void TPageControl::PageChanged(TTabSheet* page) {
  const int index = page->PageIndex();
  if (index >= 0) SetTab(index, page->GetText());
}

void TPageControl::ReleasePage(TTabSheet* page) {
  if (page->PageIndex() < 0 || std::find(FReleased.begin(), FReleased.end(), page) != FReleased.end()) return;
  FReleased.push_back(page);
  if (!FHandle || !PostMessageW(FHandle, CM_RELEASEPAGE, 0, 0)) FreeReleasedPages();
}

void TPageControl::FreeReleasedPages() {
  // Each page leaves FReleased as it goes.
  while (!FReleased.empty()) delete FReleased.back();
}

void TPageControl::UpdateTabs() {
  for (int i = 0; i < PageCount(); ++i) InsertTab(i, FPages[size_t(i)]->GetText());
  SetActivePage(FActivePage);
}

void TPageControl::AlignControls() {
  RECT r = DisplayRect();
  for (TTabSheet* page : FPages) page->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void TPageControl::SetActivePage(TTabSheet* page) {
  FActivePage = page;
  const int index = page ? page->PageIndex() : -1;
  if (index >= 0) SelectTab(index);
  AlignControls();
  for (TTabSheet* p : FPages) p->SetVisible(p == page);
}

void TPageControl::TabChanged(int index) {
  if (index >= 0 && index < PageCount()) SetActivePage(FPages[size_t(index)]);
}

void TPageControl::WndProc(TMessage& m) {
  if (m.Msg == CM_RELEASEPAGE) {
    FreeReleasedPages();
    return;
  }
  TCustomTabControl::WndProc(m);
}

// ---- TStatusBar ----

DEFINE_CLASS_INFO(TCustomStatusBar, TWinControl, {})

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
