#include "host/Tabs.h"
#include <algorithm>
#include <commctrl.h>
#include <windowsx.h>

namespace {
// The scroller sits at the right end of the line, in the end margin and the
// room the tabs keep free for it.
constexpr int kScrollerWidth = 24;
constexpr int kScrollerMaxHeight = 16;
constexpr int kScrollerGap = 2;

void FillWith(HDC dc, const RECT& r, TColor colour) {
  TCanvas canvas(dc);
  canvas.BrushColor = colour;
  canvas.FillRect(r);
}
}  // namespace

std::vector<TTabSetSpot> TabSetLayout(const std::vector<int>& captionWidths, int first, int start, int limit,
                                      bool scrollerVisible) {
  std::vector<TTabSetSpot> spots;
  const int room = kTabSetTabPadding + (scrollerVisible ? kTabSetScrollerRoom : 0);
  int x = start;
  for (int i = std::max(first, 0); i < int(captionWidths.size()); ++i) {
    const int w = captionWidths[size_t(i)];
    if (limit < x + w + room) continue;
    spots.push_back({i, x, x + w + kTabSetTabPadding});
    x += w + kTabSetTabPadding;
  }
  return spots;
}

// ---- TTabScroller ----

DEFINE_CLASS_INFO(TTabScroller, TWinControl, {})

TTabScroller::TTabScroller(TTabSet& tabSet) : TWinControl(&tabSet), FTabSet(tabSet) { FVisible = false; }

void TTabScroller::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.SysClassName = UPDOWN_CLASSW;
  p.Style |= UDS_HORZ;
}

void TTabScroller::WndProc(TMessage& m) {
  if (m.Msg == CN_NOTIFY && reinterpret_cast<NMHDR*>(m.LParam)->code == UDN_DELTAPOS) {
    FTabSet.SetFirstIndex(FTabSet.GetFirstIndex() + reinterpret_cast<NMUPDOWN*>(m.LParam)->iDelta);
    m.Result = 1;  // the tab set keeps the position itself
    return;
  }
  TWinControl::WndProc(m);
}

// ---- TTabSet ----

DEFINE_COMPONENT_INFO(TTabSet, TWinControl,
  {ObjProp("Tabs", &TTabSet::GetTabs),
   IntProp("TabIndex", &TTabSet::GetTabIndex, &TTabSet::SetTabIndex),
   IntProp("FirstIndex", &TTabSet::GetFirstIndex, &TTabSet::SetFirstIndex),
   IntProp("StartMargin", &TTabSet::GetStartMargin, &TTabSet::SetStartMargin),
   IntProp("EndMargin", &TTabSet::GetEndMargin, &TTabSet::SetEndMargin),
   EventProp("OnChange", &TTabSet::OnChange)})

TTabSet::TTabSet(TComponent* AOwner) : TWinControl(AOwner) {
  FScroller = new TTabScroller(*this);
  FScroller->SetParent(this);
}

void TTabSet::Loaded() {
  TWinControl::Loaded();
  TabsChanged();
}

void TTabSet::TabsChanged() {
  if (FTabIndex >= FTabs.Count()) FTabIndex = FTabs.Count() - 1;
  FFirstIndex = std::clamp(FFirstIndex, 0, std::max(FTabs.Count() - 1, 0));
  UpdateScroller();
  Invalidate();
}

void TTabSet::SetTabIndex(int index) {
  FTabIndex = index >= -1 && index < FTabs.Count() ? index : -1;
  Invalidate();
}

void TTabSet::SetFirstIndex(int index) {
  FFirstIndex = std::clamp(index, 0, std::max(FTabs.Count() - 1, 0));
  UpdateScroller();
  Invalidate();
}

void TTabSet::SetStartMargin(int v) {
  FStartMargin = v;
  TabsChanged();
}

void TTabSet::SetEndMargin(int v) {
  FEndMargin = v;
  TabsChanged();
}

void TTabSet::SetBounds(int left, int top, int width, int height) {
  TWinControl::SetBounds(left, top, width, height);
  UpdateScroller();
}

std::vector<int> TTabSet::CaptionWidths() {
  TWindowDC dc(FHandle);
  TSelectObject font(dc.Get(), EffectiveFont().Handle());
  std::vector<int> widths;
  for (const std::wstring& caption : FTabs.Items()) {
    SIZE s{};
    GetTextExtentPoint32W(dc.Get(), caption.c_str(), int(caption.size()), &s);
    widths.push_back(s.cx);
  }
  return widths;
}

std::vector<TTabSetSpot> TTabSet::Layout() {
  return TabSetLayout(CaptionWidths(), FFirstIndex, FStartMargin, ClientRect().right - FEndMargin, FScrollerVisible);
}

void TTabSet::UpdateScroller() {
  const std::vector<int> widths = CaptionWidths();
  const int limit = ClientRect().right - FEndMargin;
  const int shown = int(TabSetLayout(widths, FFirstIndex, FStartMargin, limit, false).size());
  FScrollerVisible = FFirstIndex > 0 || shown < FTabs.Count() - FFirstIndex;
  const int height = std::min(kScrollerMaxHeight, std::max(FHeight - kScrollerGap, 1));
  FScroller->SetBounds(FWidth - kScrollerWidth - kScrollerGap, 1, kScrollerWidth, height);
  FScroller->SetVisible(FScrollerVisible);
  if (!FHandle) return;
  SendMessageW(FScroller->Handle(), UDM_SETRANGE32, 0, std::max(FTabs.Count() - 1, 0));
  SendMessageW(FScroller->Handle(), UDM_SETPOS32, 0, FFirstIndex);
}

int TTabSet::TabAt(int x, int y) {
  if (y < 0 || y >= ClientRect().bottom) return -1;
  for (const TTabSetSpot& spot : Layout())
    if (x >= spot.Left && x < spot.Right) return spot.Index;
  return -1;
}

void TTabSet::WndProc(TMessage& m) {
  if (m.Msg == WM_LBUTTONDOWN) {
    const int tab = TabAt(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
    if (tab >= 0 && tab != FTabIndex) {
      SetTabIndex(tab);
      if (OnChange) OnChange(this);
    }
  }
  TWinControl::WndProc(m);
}

void TTabSet::PaintWindow(HDC dc) {
  const RECT client = ClientRect();
  FillWith(dc, client, FColor);
  // The line the tabs hang from.
  FillWith(dc, {client.left, 0, client.right, 1}, clWindowText);
  for (const TTabSetSpot& spot : Layout()) PaintTab(dc, spot);
}

void TTabSet::PaintTab(HDC dc, const TTabSetSpot& spot) {
  const int bottom = ClientRect().bottom - 1;
  const bool selected = spot.Index == FTabIndex;
  // The selected tab is one with the line: it covers it.
  FillWith(dc, {spot.Left, selected ? 0 : 1, spot.Right, bottom}, selected ? clWindow : FColor);
  FillWith(dc, {spot.Left, 0, spot.Left + 1, bottom}, clWindowText);
  FillWith(dc, {spot.Right - 1, 0, spot.Right, bottom}, clWindowText);
  FillWith(dc, {spot.Left, bottom - 1, spot.Right, bottom}, clWindowText);
  TCanvas canvas(dc);
  canvas.Font().Assign(EffectiveFont());
  canvas.Font().SetColor(clBtnText);
  canvas.TextRect({spot.Left, 1, spot.Right, bottom - 1}, FTabs[spot.Index], DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
