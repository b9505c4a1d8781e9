#include "host/StdCtrls.h"
#include "host/TypInfo.h"
#include <algorithm>

// ---- TButton ----

DEFINE_COMPONENT_INFO(TButton, TWinControl,
  {BoolProp("Default", &TButton::GetDefault, &TButton::SetDefault)})

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner) { FTabStop = true; }

void TButton::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.SysClassName = L"BUTTON";
  p.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool v) {
  FDefault = v;
  if (!FHandle) return;
  // An owner-drawn button has no default style: it shows the state itself.
  if ((GetWindowLongPtrW(FHandle, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW)
    Invalidate();
  else
    SendMessageW(FHandle, BM_SETSTYLE, v ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == BN_CLICKED) {
    Click();
    return;
  }
  TWinControl::WndProc(m);
}

// ---- TEdit ----

DEFINE_CLASS_INFO(TCustomEdit, TWinControl, {})

DEFINE_COMPONENT_INFO(TEdit, TCustomEdit,
  {StrProp("Text", &TEdit::GetText, &TEdit::SetText),
   BoolProp("ReadOnly", &TEdit::GetReadOnly, &TEdit::SetReadOnly)})

TEdit::TEdit(TComponent* AOwner) : TCustomEdit(AOwner) {
  FTabStop = true;
  FColor = clWindow;
}

void TEdit::SetReadOnly(bool v) {
  FReadOnly = v;
  if (FHandle) SendMessageW(FHandle, EM_SETREADONLY, v, 0);
}

void TEdit::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.SysClassName = L"EDIT";
  p.Style |= ES_AUTOHSCROLL | ES_LEFT | (FReadOnly ? ES_READONLY : 0);
  p.ExStyle |= WS_EX_CLIENTEDGE;
}

// ---- TMemo ----

namespace {
const std::vector<std::wstring> kScrollStyles = {L"ssNone", L"ssHorizontal", L"ssVertical", L"ssBoth"};
}  // namespace

DEFINE_COMPONENT_INFO(TMemo, TCustomEdit,
  {EnumProp("ScrollBars", &TMemo::GetScrollBars, &TMemo::SetScrollBars, kScrollStyles),
   StringListProp("Lines", &TMemo::GetLines)})

TMemo::TMemo(TComponent* AOwner) : TCustomEdit(AOwner) {
  FTabStop = true;
  FColor = clWindow;
}

TStringList* TMemo::GetLines() const {
  if (FHandle) FLines.SetText(GetText());
  return &FLines;
}

void TMemo::SetLines(const std::vector<std::wstring>& lines) {
  FLines.SetItems(lines);
  SetText(FLines.Text());
}

void TMemo::Loaded() {
  TCustomEdit::Loaded();
  if (FLines.Count() > 0) SetText(FLines.Text());
}

void TMemo::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.SysClassName = L"EDIT";
  p.Style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | ES_LEFT;
  // Without a horizontal bar the lines wrap.
  if (FScrollBars == ssHorizontal || FScrollBars == ssBoth) p.Style |= WS_HSCROLL | ES_AUTOHSCROLL;
  if (FScrollBars == ssVertical || FScrollBars == ssBoth) p.Style |= WS_VSCROLL;
  p.ExStyle |= WS_EX_CLIENTEDGE;
}

// ---- TListBox ----

DEFINE_COMPONENT_INFO(TCustomListBox, TWinControl,
  {StringListProp("Items", &TCustomListBox::GetItems),
   IntProp("ItemIndex", &TCustomListBox::GetItemIndex, &TCustomListBox::SetItemIndex),
   IntProp("TopIndex", &TCustomListBox::GetTopIndex, &TCustomListBox::SetTopIndex)})
DEFINE_COMPONENT_INFO(TListBox, TCustomListBox, {})

TCustomListBox::TCustomListBox(TComponent* AOwner) : TWinControl(AOwner) {
  FTabStop = true;
  FColor = clWindow;
}

void TCustomListBox::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.SysClassName = L"LISTBOX";
  p.Style |= WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
  p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::HandleCreated() { ItemsChanged(); }

void TCustomListBox::Loaded() {
  TWinControl::Loaded();
  ItemsChanged();
}

void TCustomListBox::ItemsChanged() {
  if (!FHandle) return;
  SendMessageW(FHandle, WM_SETREDRAW, FALSE, 0);
  SendMessageW(FHandle, LB_RESETCONTENT, 0, 0);
  for (const std::wstring& row : FItems.Items()) SendMessageW(FHandle, LB_ADDSTRING, 0, LPARAM(row.c_str()));
  SendMessageW(FHandle, LB_SETCURSEL, WPARAM(FItemIndex), 0);
  SendMessageW(FHandle, LB_SETTOPINDEX, WPARAM(FTopIndex), 0);
  SendMessageW(FHandle, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(FHandle, nullptr, TRUE);
}

int TCustomListBox::GetItemIndex() const {
  return FHandle ? int(SendMessageW(FHandle, LB_GETCURSEL, 0, 0)) : FItemIndex;
}

void TCustomListBox::SetItemIndex(int v) {
  FItemIndex = v;
  if (FHandle) SendMessageW(FHandle, LB_SETCURSEL, WPARAM(v), 0);
}

int TCustomListBox::GetTopIndex() const {
  return FHandle ? int(SendMessageW(FHandle, LB_GETTOPINDEX, 0, 0)) : FTopIndex;
}

void TCustomListBox::SetTopIndex(int v) {
  FTopIndex = v;
  if (FHandle) SendMessageW(FHandle, LB_SETTOPINDEX, WPARAM(v), 0);
}

// ---- TScrollBar ----

namespace {
const std::vector<std::wstring> kScrollBarKinds = {L"sbHorizontal", L"sbVertical"};
}  // namespace

DEFINE_COMPONENT_INFO(TScrollBar, TWinControl,
  {EnumProp("Kind", &TScrollBar::GetKind, &TScrollBar::SetKind, kScrollBarKinds),
   IntProp("Min", &TScrollBar::GetMin, &TScrollBar::SetMin),
   IntProp("Max", &TScrollBar::GetMax, &TScrollBar::SetMax),
   IntProp("PageSize", &TScrollBar::GetPageSize, &TScrollBar::SetPageSize),
   IntProp("Position", &TScrollBar::GetPosition, &TScrollBar::SetPosition),
   IntProp("SmallChange", &TScrollBar::GetSmallChange, &TScrollBar::SetSmallChange),
   IntProp("LargeChange", &TScrollBar::GetLargeChange, &TScrollBar::SetLargeChange)})

TScrollBar::TScrollBar(TComponent* AOwner) : TWinControl(AOwner) { FTabStop = true; }

void TScrollBar::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.SysClassName = L"SCROLLBAR";
  p.Style |= FKind == sbVertical ? SBS_VERT : SBS_HORZ;
}

void TScrollBar::HandleCreated() { UpdateScrollInfo(); }

void TScrollBar::SetPageSize(int v) {
  FPageSize = std::max(v, 0);
  SetParams(FPosition, FMin, FMax);
}

void TScrollBar::SetParams(int position, int min, int max) {
  max = std::max(max, min);
  // Without a page the thumb reaches the end; with one, the page ends there.
  const int last = FPageSize > 0 ? std::max(min, max - FPageSize + 1) : max;
  const int clamped = std::clamp(position, min, last);
  const bool changed = clamped != FPosition;
  FMin = min;
  FMax = max;
  FPosition = clamped;
  UpdateScrollInfo();
  if (changed && OnChange) OnChange(this);
}

void TScrollBar::UpdateScrollInfo() {
  if (!FHandle) return;
  SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS};
  info.nMin = FMin;
  info.nMax = FMax;
  info.nPage = UINT(FPageSize);
  info.nPos = FPosition;
  SetScrollInfo(FHandle, SB_CTL, &info, TRUE);
}

int TScrollBar::RequestedPosition(WORD code) const {
  switch (code) {
    case SB_LINEUP: return FPosition - FSmallChange;
    case SB_LINEDOWN: return FPosition + FSmallChange;
    case SB_PAGEUP: return FPosition - FLargeChange;
    case SB_PAGEDOWN: return FPosition + FLargeChange;
    case SB_TOP: return FMin;
    case SB_BOTTOM: return FMax;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      // The 32-bit position: the message carries only 16 bits of it.
      SCROLLINFO info{sizeof info, SIF_TRACKPOS};
      GetScrollInfo(FHandle, SB_CTL, &info);
      return info.nTrackPos;
    }
    default: return FPosition;
  }
}

void TScrollBar::WndProc(TMessage& m) {
  if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL) {
    SetPosition(RequestedPosition(LOWORD(m.WParam)));
    m.Result = 0;
    return;
  }
  TWinControl::WndProc(m);
}

// ---- TLabel ----

DEFINE_COMPONENT_INFO(TLabel, TGraphicControl,
  {BoolProp("Transparent", &TLabel::GetTransparent, &TLabel::SetTransparent),
   BoolProp("AutoSize", &TLabel::GetAutoSize, &TLabel::SetAutoSize)})

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner) { FClickOnMouseUp = true; }

void TLabel::SetText(const std::wstring& text) {
  TGraphicControl::SetText(text);
  AdjustBounds();
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TLabel::FontChanged() {
  TGraphicControl::FontChanged();
  AdjustBounds();
}

void TLabel::AdjustBounds() {
  if (!FAutoSize || Loading()) return;
  TWindowDC screen(nullptr);
  TCanvas canvas(screen.Get());
  canvas.Font().Assign(EffectiveFont());
  RECT r{0, 0, 0, 0};
  TSelectObject font(screen.Get(), canvas.Font().Handle());
  DrawTextW(screen.Get(), FText.c_str(), int(FText.size()), &r, DT_CALCRECT | DT_EXPANDTABS);
  SetBounds(FLeft, FTop, r.right, r.bottom);
}

void TLabel::Paint(TCanvas& canvas) {
  RECT r{0, 0, FWidth, FHeight};
  if (!FTransparent) {
    canvas.BrushColor = FParent ? FParent->GetColor() : FColor;
    canvas.FillRect(r);
  }
  canvas.Font().Assign(EffectiveFont());
  canvas.TextRect(r, FText, DT_LEFT | DT_TOP | DT_EXPANDTABS);
}
