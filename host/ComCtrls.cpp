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

// ---- Range controls ----

namespace {
void TellWindow(HWND wnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (wnd) SendMessageW(wnd, msg, wparam, lparam);
}
// Puts new style bits in place of those under mask and has the control lay
// itself out and repaint.
void ReplaceStyle(HWND wnd, DWORD mask, DWORD bits) {
  if (!wnd) return;
  const LONG_PTR style = GetWindowLongPtrW(wnd, GWL_STYLE);
  SetWindowLongPtrW(wnd, GWL_STYLE, (style & ~LONG_PTR(mask)) | LONG_PTR(bits));
  SetWindowPos(wnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  InvalidateRect(wnd, nullptr, TRUE);
}
}  // namespace

DEFINE_CLASS_INFO(TRangeControl, TWinControl,
  {IntProp("Min", &TRangeControl::GetMin, &TRangeControl::SetMin),
   IntProp("Max", &TRangeControl::GetMax, &TRangeControl::SetMax),
   IntProp("Position", &TRangeControl::GetPosition, &TRangeControl::SetPosition)})

void TRangeControl::HandleCreated() {
  SendRange();
  SendPosition();
}

int TRangeControl::GetMin() const {
  int low = FMin, high = FMax;
  if (FHandle) ReadRange(low, high);
  return low;
}

int TRangeControl::GetMax() const {
  int low = FMin, high = FMax;
  if (FHandle) ReadRange(low, high);
  return high;
}

int TRangeControl::GetPosition() const { return FHandle ? ReadPosition() : FPosition; }

void TRangeControl::SetMin(int v) {
  FMin = v;
  if (FHandle) SendRange();
}

void TRangeControl::SetMax(int v) {
  FMax = v;
  if (FHandle) SendRange();
}

void TRangeControl::SetPosition(int v) {
  FPosition = v;
  if (FHandle) SendPosition();
}

DEFINE_COMPONENT_INFO(TProgressBar, TRangeControl,
  {IntProp("Step", &TProgressBar::GetStep, &TProgressBar::SetStep),
   EnumProp("Orientation", &TProgressBar::GetOrientation, &TProgressBar::SetOrientation,
            {L"pbHorizontal", L"pbVertical"}),
   BoolProp("Smooth", &TProgressBar::GetSmooth, &TProgressBar::SetSmooth)})

TProgressBar::TProgressBar(TComponent* AOwner) : TRangeControl(AOwner) {
  FWidth = 150;
  FHeight = 16;
}

DWORD TProgressBar::StyleBits() const {
  return (FOrientation == pbVertical ? PBS_VERTICAL : 0) | (FSmooth ? PBS_SMOOTH : 0);
}

void TProgressBar::CreateParams(TCreateParams& p) {
  TRangeControl::CreateParams(p);
  p.SysClassName = PROGRESS_CLASSW;
  p.Style |= StyleBits();
}

void TProgressBar::HandleCreated() {
  SendMessageW(FHandle, PBM_SETSTEP, WPARAM(FStep), 0);
  TRangeControl::HandleCreated();
}

void TProgressBar::SendRange() { SendMessageW(FHandle, PBM_SETRANGE32, WPARAM(FMin), LPARAM(FMax)); }
void TProgressBar::SendPosition() { SendMessageW(FHandle, PBM_SETPOS, WPARAM(FPosition), 0); }
int TProgressBar::ReadPosition() const { return int(SendMessageW(FHandle, PBM_GETPOS, 0, 0)); }

void TProgressBar::ReadRange(int& low, int& high) const {
  low = int(SendMessageW(FHandle, PBM_GETRANGE, TRUE, 0));
  high = int(SendMessageW(FHandle, PBM_GETRANGE, FALSE, 0));
}

void TProgressBar::SetStep(int v) {
  FStep = v;
  TellWindow(FHandle, PBM_SETSTEP, WPARAM(v), 0);
}

void TProgressBar::SetOrientation(TProgressBarOrientation v) {
  FOrientation = v;
  ReplaceStyle(FHandle, PBS_VERTICAL | PBS_SMOOTH, StyleBits());
}

void TProgressBar::SetSmooth(bool v) {
  FSmooth = v;
  ReplaceStyle(FHandle, PBS_VERTICAL | PBS_SMOOTH, StyleBits());
}

void TProgressBar::StepIt() {
  if (FHandle) {
    SendMessageW(FHandle, PBM_STEPIT, 0, 0);
    return;
  }
  // 64 bits: a step near the integer limits must not overflow.
  long long next = (long long)FPosition + FStep;
  const long long span = (long long)FMax - FMin;
  if (next > FMax) next = span > 0 ? FMin + (next - FMin) % span : FMin;
  FPosition = int(next);
}

DEFINE_COMPONENT_INFO(TTrackBar, TRangeControl,
  {IntProp("Frequency", &TTrackBar::GetFrequency, &TTrackBar::SetFrequency),
   IntProp("SelStart", &TTrackBar::GetSelStart, &TTrackBar::SetSelStart),
   IntProp("SelEnd", &TTrackBar::GetSelEnd, &TTrackBar::SetSelEnd),
   EnumProp("Orientation", &TTrackBar::GetOrientation, &TTrackBar::SetOrientation,
            {L"trHorizontal", L"trVertical"}),
   EnumProp("TickMarks", &TTrackBar::GetTickMarks, &TTrackBar::SetTickMarks,
            {L"tmBottomRight", L"tmTopLeft", L"tmBoth"}),
   EnumProp("TickStyle", &TTrackBar::GetTickStyle, &TTrackBar::SetTickStyle, {L"tsNone", L"tsAuto", L"tsManual"})})

TTrackBar::TTrackBar(TComponent* AOwner) : TRangeControl(AOwner) {
  FTabStop = true;
  FMax = 10;
  FWidth = 150;
  FHeight = 45;
}

namespace {
constexpr DWORD kTrackStyleMask = TBS_VERT | TBS_TOP | TBS_BOTH | TBS_NOTICKS | TBS_AUTOTICKS;
}

DWORD TTrackBar::StyleBits() const {
  DWORD bits = FOrientation == trVertical ? TBS_VERT : TBS_HORZ;
  if (FTickMarks == tmTopLeft) bits |= TBS_TOP;  // the same bit as TBS_LEFT
  if (FTickMarks == tmBoth) bits |= TBS_BOTH;
  if (FTickStyle == tsNone) bits |= TBS_NOTICKS;
  if (FTickStyle == tsAuto) bits |= TBS_AUTOTICKS;
  return bits;
}

void TTrackBar::CreateParams(TCreateParams& p) {
  TRangeControl::CreateParams(p);
  p.SysClassName = TRACKBAR_CLASSW;
  // The selection range shows whenever SelStart and SelEnd mark one.
  p.Style |= StyleBits() | TBS_ENABLESELRANGE;
}

void TTrackBar::HandleCreated() {
  SendMessageW(FHandle, TBM_SETTICFREQ, WPARAM(FFrequency), 0);
  SendMessageW(FHandle, TBM_SETSELSTART, FALSE, FSelStart);
  SendMessageW(FHandle, TBM_SETSELEND, FALSE, FSelEnd);
  TRangeControl::HandleCreated();
}

void TTrackBar::SendRange() {
  SendMessageW(FHandle, TBM_SETRANGEMIN, FALSE, FMin);
  SendMessageW(FHandle, TBM_SETRANGEMAX, TRUE, FMax);
}

void TTrackBar::SendPosition() { SendMessageW(FHandle, TBM_SETPOS, TRUE, FPosition); }
int TTrackBar::ReadPosition() const { return int(SendMessageW(FHandle, TBM_GETPOS, 0, 0)); }

void TTrackBar::ReadRange(int& low, int& high) const {
  low = int(SendMessageW(FHandle, TBM_GETRANGEMIN, 0, 0));
  high = int(SendMessageW(FHandle, TBM_GETRANGEMAX, 0, 0));
}

int TTrackBar::GetSelStart() const { return FHandle ? int(SendMessageW(FHandle, TBM_GETSELSTART, 0, 0)) : FSelStart; }
int TTrackBar::GetSelEnd() const { return FHandle ? int(SendMessageW(FHandle, TBM_GETSELEND, 0, 0)) : FSelEnd; }

void TTrackBar::SetFrequency(int v) {
  FFrequency = v;
  TellWindow(FHandle, TBM_SETTICFREQ, WPARAM(v), 0);
}

void TTrackBar::SetSelStart(int v) {
  FSelStart = v;
  TellWindow(FHandle, TBM_SETSELSTART, TRUE, v);
}

void TTrackBar::SetSelEnd(int v) {
  FSelEnd = v;
  TellWindow(FHandle, TBM_SETSELEND, TRUE, v);
}

void TTrackBar::SetOrientation(TTrackBarOrientation v) {
  FOrientation = v;
  ReplaceStyle(FHandle, kTrackStyleMask, StyleBits());
}

void TTrackBar::SetTickMarks(TTickMark v) {
  FTickMarks = v;
  ReplaceStyle(FHandle, kTrackStyleMask, StyleBits());
}

void TTrackBar::SetTickStyle(TTickStyle v) {
  FTickStyle = v;
  ReplaceStyle(FHandle, kTrackStyleMask, StyleBits());
}

DEFINE_COMPONENT_INFO(TUpDown, TRangeControl,
  {IntProp("Increment", &TUpDown::GetIncrement, &TUpDown::SetIncrement),
   EnumProp("Orientation", &TUpDown::GetOrientation, &TUpDown::SetOrientation, {L"udHorizontal", L"udVertical"}),
   TPropInfo{"Associate",
             [](TPersistent& o) { return TValue::Obj(static_cast<TUpDown&>(o).GetAssociate()); },
             [](TPersistent& o, const TValue& v) {
               auto& upDown = static_cast<TUpDown&>(o);
               if (v.Kind == TValue::vkIdent || v.Kind == TValue::vkString)
                 upDown.SetAssociateByName(v.Str);
               else if (v.Kind == TValue::vkObject)
                 upDown.SetAssociate(dynamic_cast<TWinControl*>(v.Object));
             }}})

TUpDown::TUpDown(TComponent* AOwner) : TRangeControl(AOwner) {
  FWidth = 17;
  FHeight = 25;
}

void TUpDown::CreateParams(TCreateParams& p) {
  TRangeControl::CreateParams(p);
  p.SysClassName = UPDOWN_CLASSW;
  p.Style |= UDS_SETBUDDYINT | UDS_ARROWKEYS | (FOrientation == udHorizontal ? UDS_HORZ : 0);
}

void TUpDown::HandleCreated() {
  UDACCEL accel{0, UINT(FIncrement)};
  SendMessageW(FHandle, UDM_SETACCEL, 1, LPARAM(&accel));
  TRangeControl::HandleCreated();
  SetBuddy();
}

void TUpDown::SendRange() { SendMessageW(FHandle, UDM_SETRANGE32, WPARAM(FMin), LPARAM(FMax)); }
void TUpDown::SendPosition() { SendMessageW(FHandle, UDM_SETPOS32, 0, LPARAM(FPosition)); }
int TUpDown::ReadPosition() const { return int(SendMessageW(FHandle, UDM_GETPOS32, 0, 0)); }

void TUpDown::ReadRange(int& low, int& high) const {
  SendMessageW(FHandle, UDM_GETRANGE32, WPARAM(&low), LPARAM(&high));
}

void TUpDown::SetIncrement(int v) {
  FIncrement = v;
  UDACCEL accel{0, UINT(v)};
  TellWindow(FHandle, UDM_SETACCEL, 1, LPARAM(&accel));
}

void TUpDown::SetOrientation(TUDOrientation v) {
  FOrientation = v;
  ReplaceStyle(FHandle, UDS_HORZ, v == udHorizontal ? UDS_HORZ : 0);
}

TWinControl* TUpDown::GetAssociate() const {
  if (!FHandle) return FAssociate;
  return FindControl(HWND(SendMessageW(FHandle, UDM_GETBUDDY, 0, 0)));
}

void TUpDown::SetAssociate(TWinControl* v) {
  FAssociateName.clear();
  FAssociate = v == this ? nullptr : v;
  SetBuddy();
}

void TUpDown::SetAssociateByName(const std::wstring& name) {
  FAssociateName = name;
  if (!Loading()) ResolveAssociate();
}

void TUpDown::Loaded() {
  TRangeControl::Loaded();
  ResolveAssociate();
}

void TUpDown::ResolveAssociate() {
  if (FAssociateName.empty()) return;
  TComponent* owner = Owner();
  SetAssociate(owner ? dynamic_cast<TWinControl*>(owner->FindComponent(FAssociateName)) : nullptr);
}

void TUpDown::SetBuddy() {
  if (!FHandle) return;
  // A buddy without a parent cannot have a window yet.
  const HWND buddy = FAssociate && (FAssociate->HandleAllocated() || FAssociate->Parent()) ? FAssociate->Handle()
                                                                                         : nullptr;
  // The position, once there is a buddy, is read from its text: the
  // up-down's own goes there first.
  const LRESULT position = SendMessageW(FHandle, UDM_GETPOS32, 0, 0);
  SendMessageW(FHandle, UDM_SETBUDDY, WPARAM(buddy), 0);
  if (buddy) SendMessageW(FHandle, UDM_SETPOS32, 0, position);
}

void TUpDown::WndProc(TMessage& m) {
  if (m.Msg == CN_NOTIFY && m.LParam && reinterpret_cast<NMHDR*>(m.LParam)->code == UDN_DELTAPOS) {
    bool allow = true;
    if (OnChanging) OnChanging(this, allow);
    m.Result = allow ? 0 : 1;  // non-zero keeps the position
    if (allow) Click();
    return;
  }
  TRangeControl::WndProc(m);
}

// ---- Date-time picker ----

DEFINE_COMPONENT_INFO(TDateTimePicker, TWinControl,
  {EnumProp("Kind", &TDateTimePicker::GetKind, &TDateTimePicker::SetKind, {L"dtkDate", L"dtkTime"}),
   EnumProp("DateFormat", &TDateTimePicker::GetDateFormat, &TDateTimePicker::SetDateFormat, {L"dfShort", L"dfLong"}),
   BoolProp("ShowCheckbox", &TDateTimePicker::GetShowCheckbox, &TDateTimePicker::SetShowCheckbox),
   BoolProp("Checked", &TDateTimePicker::GetChecked, &TDateTimePicker::SetChecked),
   StrProp("Date", &TDateTimePicker::GetDateText, &TDateTimePicker::SetDateText),
   StrProp("Time", &TDateTimePicker::GetTimeText, &TDateTimePicker::SetTimeText),
   EventProp("OnChange", &TDateTimePicker::OnChange)})

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TWinControl(AOwner) {
  FTabStop = true;
  FWidth = 186;
  FHeight = 24;
  GetLocalTime(&FDateTime);
}

DWORD TDateTimePicker::StyleBits() const {
  if (FKind == dtkTime) return DTS_TIMEFORMAT;
  return FDateFormat == dfLong ? DTS_LONGDATEFORMAT : DTS_SHORTDATEFORMAT;
}

void TDateTimePicker::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.SysClassName = DATETIMEPICK_CLASSW;
  p.Style |= StyleBits() | (FShowCheckbox ? DTS_SHOWNONE : 0);
  p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TDateTimePicker::HandleCreated() { SendValue(); }

void TDateTimePicker::SendValue() {
  if (!FHandle) return;
  SendMessageW(FHandle, DTM_SETSYSTEMTIME, GDT_VALID, LPARAM(&FDateTime));
  // Some pickers refuse GDT_NONE without a time to ignore.
  if (FShowCheckbox && !FChecked) SendMessageW(FHandle, DTM_SETSYSTEMTIME, GDT_NONE, LPARAM(&FDateTime));
}

void TDateTimePicker::SetKind(TDateTimeKind v) {
  FKind = v;
  ReplaceStyle(FHandle, DTS_TIMEFORMAT | DTS_LONGDATEFORMAT, StyleBits());
  TellWindow(FHandle, DTM_SETFORMATW, 0, 0);  // back to the style's own format
}

void TDateTimePicker::SetDateFormat(TDTDateFormat v) {
  FDateFormat = v;
  ReplaceStyle(FHandle, DTS_TIMEFORMAT | DTS_LONGDATEFORMAT, StyleBits());
  TellWindow(FHandle, DTM_SETFORMATW, 0, 0);
}

bool TDateTimePicker::GetChecked() const {
  if (!FHandle || !FShowCheckbox) return FChecked;
  SYSTEMTIME st{};
  return SendMessageW(FHandle, DTM_GETSYSTEMTIME, 0, LPARAM(&st)) == GDT_VALID;
}

void TDateTimePicker::SetChecked(bool v) {
  FDateTime = GetDateTime();
  FChecked = v;
  SendValue();
}

SYSTEMTIME TDateTimePicker::GetDateTime() const {
  SYSTEMTIME st = FDateTime;
  if (FHandle && SendMessageW(FHandle, DTM_GETSYSTEMTIME, 0, LPARAM(&st)) != GDT_VALID) st = FDateTime;
  return st;
}

void TDateTimePicker::SetDateTime(const SYSTEMTIME& v) {
  FDateTime = v;
  SendValue();
}

namespace {
// Reads "a<sep>b<sep>c" of three numbers and nothing else.
bool ReadTriple(const std::wstring& text, wchar_t sep, int& a, int& b, int& c) {
  wchar_t s1 = 0, s2 = 0, rest = 0;
  return swscanf(text.c_str(), L"%d%lc%d%lc%d%lc", &a, &s1, &b, &s2, &c, &rest) == 5 && s1 == sep && s2 == sep;
}
std::wstring Triple(int a, int b, int c, const wchar_t* format) {
  wchar_t text[32];
  swprintf(text, 32, format, a, b, c);
  return text;
}
}  // namespace

std::wstring TDateTimePicker::GetDateText() const {
  const SYSTEMTIME st = GetDateTime();
  return Triple(st.wYear, st.wMonth, st.wDay, L"%04d-%02d-%02d");
}

void TDateTimePicker::SetDateText(const std::wstring& text) {
  int year, month, day;
  if (!ReadTriple(text, L'-', year, month, day)) return;
  SYSTEMTIME st = GetDateTime();
  st.wYear = WORD(year);
  st.wMonth = WORD(month);
  st.wDay = WORD(day);
  st.wDayOfWeek = 0;
  // The system's own check: a day that does not exist is refused.
  FILETIME ft;
  if (year < 1601 || year > 9999 || !SystemTimeToFileTime(&st, &ft)) return;
  SetDateTime(st);
}

std::wstring TDateTimePicker::GetTimeText() const {
  const SYSTEMTIME st = GetDateTime();
  return Triple(st.wHour, st.wMinute, st.wSecond, L"%02d:%02d:%02d");
}

void TDateTimePicker::SetTimeText(const std::wstring& text) {
  int hour, minute, second;
  if (!ReadTriple(text, L':', hour, minute, second)) return;
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) return;
  SYSTEMTIME st = GetDateTime();
  st.wHour = WORD(hour);
  st.wMinute = WORD(minute);
  st.wSecond = WORD(second);
  st.wMilliseconds = 0;
  SetDateTime(st);
}

void TDateTimePicker::WndProc(TMessage& m) {
  if (m.Msg == CN_NOTIFY && m.LParam && reinterpret_cast<NMHDR*>(m.LParam)->code == DTN_DATETIMECHANGE) {
    if (OnChange) OnChange(this);
    return;
  }
  TWinControl::WndProc(m);
}
