#include "host/ToolWin.h"
#include <algorithm>
#include <utility>

namespace {
// The bar lays itself out inside the bounds it is given, and draws no
// divider line above the buttons.
constexpr DWORD kBarLayout = CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;
constexpr int kSeparatorWidth = 8;

BYTE NativeStyle(TToolButtonStyle style) {
  switch (style) {
    case tbsCheck: return BTNS_CHECK;
    case tbsDropDown: return BTNS_DROPDOWN;
    case tbsSeparator: return BTNS_SEP;
    default: return BTNS_BUTTON;
  }
}

TCustomDrawState StateOf(UINT itemState) {
  static constexpr std::pair<UINT, TCustomDrawStateBit> kBits[] = {
      {CDIS_SELECTED, cdsSelected}, {CDIS_GRAYED, cdsGrayed},   {CDIS_DISABLED, cdsDisabled},
      {CDIS_CHECKED, cdsChecked},   {CDIS_FOCUS, cdsFocused},   {CDIS_DEFAULT, cdsDefault},
      {CDIS_HOT, cdsHot},           {CDIS_MARKED, cdsMarked},   {CDIS_INDETERMINATE, cdsIndeterminate}};
  TCustomDrawState state = 0;
  for (const auto& [native, bit] : kBits)
    if (itemState & native) state |= bit;
  return state;
}

LRESULT NativeDrawFlags(TTBCustomDrawFlags flags) {
  static constexpr std::pair<TTBCustomDrawFlagBit, LRESULT> kFlags[] = {
      {tbNoEdges, TBCDRF_NOEDGES}, {tbHiliteHotTrack, TBCDRF_HILITEHOTTRACK}, {tbNoOffset, TBCDRF_NOOFFSET},
      {tbNoMark, TBCDRF_NOMARK},   {tbNoEtchedEffect, TBCDRF_NOETCHEDEFFECT}};
  LRESULT result = 0;
  for (const auto& [bit, native] : kFlags)
    if (flags & bit) result |= native;
  return result;
}

// The bar's canvas on the notification's DC for as long as a handler runs.
class TLentCanvas {
public:
  TLentCanvas(TCanvas& canvas, HDC dc) : FCanvas(canvas) { FCanvas.SetHandle(dc); }
  ~TLentCanvas() { FCanvas.SetHandle(nullptr); }
  TLentCanvas(const TLentCanvas&) = delete;
  TLentCanvas& operator=(const TLentCanvas&) = delete;

private:
  TCanvas& FCanvas;
};
}  // namespace

// ---- TToolButton ----

DEFINE_COMPONENT_INFO(TToolButton, TControl,
  {EnumProp("Style", &TToolButton::GetStyle, &TToolButton::SetStyle,
            {L"tbsButton", L"tbsCheck", L"tbsDropDown", L"tbsSeparator"}),
   IntProp("ImageIndex", &TToolButton::GetImageIndex, &TToolButton::SetImageIndex),
   BoolProp("Down", &TToolButton::GetDown, &TToolButton::SetDown)})

TToolButton::TToolButton(TComponent* AOwner) : TControl(AOwner) {}

TToolButton::~TToolButton() { SetParent(nullptr); }

TToolBar* TToolButton::ToolBar() const { return dynamic_cast<TToolBar*>(Parent()); }

int TToolButton::Index() const {
  TToolBar* bar = ToolBar();
  if (!bar) return -1;
  const std::vector<TToolButton*> buttons = bar->Buttons();
  const auto it = std::find(buttons.begin(), buttons.end(), this);
  return it == buttons.end() ? -1 : int(it - buttons.begin());
}

void TToolButton::SetParent(TWinControl* parent) {
  TToolBar* old = ToolBar();
  TControl::SetParent(parent);
  if (old) old->UpdateButtons();
  if (TToolBar* bar = ToolBar()) bar->UpdateButtons();
}

void TToolButton::Changed() {
  if (TToolBar* bar = ToolBar()) bar->UpdateButtons();
}

void TToolButton::SetText(const std::wstring& text) {
  TControl::SetText(text);
  Changed();
}

void TToolButton::SetEnabled(bool v) {
  TControl::SetEnabled(v);
  Changed();
}

void TToolButton::SetStyle(TToolButtonStyle v) {
  FStyle = v;
  Changed();
}

void TToolButton::SetImageIndex(int v) {
  FImageIndex = v;
  Changed();
}

bool TToolButton::GetDown() const {
  TToolBar* bar = ToolBar();
  if (bar && bar->HandleAllocated() && Index() >= 0)
    return SendMessageW(bar->Handle(), TB_ISBUTTONCHECKED, WPARAM(CommandId()), 0) != 0;
  return FDown;
}

void TToolButton::SetDown(bool v) {
  FDown = v;
  TToolBar* bar = ToolBar();
  if (bar && bar->HandleAllocated() && Index() >= 0)
    SendMessageW(bar->Handle(), TB_CHECKBUTTON, WPARAM(CommandId()), MAKELPARAM(v, 0));
}

// ---- TToolBar ----

DEFINE_COMPONENT_INFO(TToolBar, TWinControl,
  {BoolProp("Flat", &TToolBar::GetFlat, &TToolBar::SetFlat),
   BoolProp("ShowCaptions", &TToolBar::GetShowCaptions, &TToolBar::SetShowCaptions),
   ObjProp("Menu", &TToolBar::GetMenu),
   EventProp("OnCustomDraw", &TToolBar::OnCustomDraw),
   EventProp("OnAdvancedCustomDraw", &TToolBar::OnAdvancedCustomDraw),
   EventProp("OnAdvancedCustomDrawButton", &TToolBar::OnAdvancedCustomDrawButton)})

TToolBar::TToolBar(TComponent* AOwner) : TWinControl(AOwner) {}

TToolBar::~TToolBar() {
  FUpdating = true;
  FreeMenuButtons();
}

// Without updating the native buttons: the caller does that once.
void TToolBar::FreeMenuButtons() {
  const bool updating = std::exchange(FUpdating, true);
  FMenuButtons.clear();
  FUpdating = updating;
}

void TToolBar::SetMenu(TMainMenu* menu) {
  FreeMenuButtons();
  FMenu = menu;
  if (!menu) {
    UpdateButtons();
    return;
  }
  FShowCaptions = true;
  StylesChanged();
  FUpdating = true;
  for (int i = 0; i < menu->Items.Count(); ++i) {
    TMenuItem* item = menu->Items.Items(i);
    if (!item->Visible) continue;
    auto button = std::make_unique<TToolButton>(nullptr);
    button->FMenuItem = item;
    button->SetText(item->Caption);
    button->SetEnabled(item->Enabled);
    button->SetParent(this);
    FMenuButtons.push_back(std::move(button));
  }
  FUpdating = false;
  UpdateButtons();
}

DWORD TToolBar::BarStyles() const { return FFlat ? TBSTYLE_FLAT | TBSTYLE_TRANSPARENT : 0; }

void TToolBar::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.SysClassName = TOOLBARCLASSNAMEW;
  p.Style |= kBarLayout | TBSTYLE_TOOLTIPS | BarStyles() | (FShowCaptions ? 0 : TBSTYLE_LIST);
}

void TToolBar::HandleCreated() {
  SendMessageW(FHandle, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(FHandle, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
  UpdateButtons();
}

void TToolBar::StylesChanged() {
  if (!FHandle) return;
  constexpr DWORD kBarStyles = TBSTYLE_FLAT | TBSTYLE_TRANSPARENT | TBSTYLE_LIST;
  const LONG_PTR style = GetWindowLongPtrW(FHandle, GWL_STYLE);
  const DWORD bits = BarStyles() | (FShowCaptions ? 0 : TBSTYLE_LIST);
  SetWindowLongPtrW(FHandle, GWL_STYLE, (style & ~LONG_PTR(kBarStyles)) | LONG_PTR(bits));
  UpdateButtons();
  InvalidateRect(FHandle, nullptr, TRUE);
}

void TToolBar::SetFlat(bool v) {
  if (v == FFlat) return;
  FFlat = v;
  StylesChanged();
}

void TToolBar::SetShowCaptions(bool v) {
  if (v == FShowCaptions) return;
  FShowCaptions = v;
  StylesChanged();
}

void TToolBar::SetImages(TImageList* images) {
  FImages = images;
  UpdateButtons();
}

std::vector<TToolButton*> TToolBar::Buttons() const {
  std::vector<TToolButton*> buttons;
  for (TControl* c : Controls())
    if (auto* b = dynamic_cast<TToolButton*>(c)) buttons.push_back(b);
  return buttons;
}

TToolButton* TToolBar::ButtonOfCommand(int id) const {
  const std::vector<TToolButton*> buttons = Buttons();
  return id >= 1 && id <= int(buttons.size()) ? buttons[size_t(id - 1)] : nullptr;
}

RECT TToolBar::ButtonRect(const TToolButton& button) {
  RECT r{};
  if (FHandle && button.Index() >= 0) SendMessageW(FHandle, TB_GETRECT, WPARAM(button.CommandId()), LPARAM(&r));
  return r;
}

void TToolBar::UpdateButtons() {
  if (!FHandle || FUpdating) return;
  FUpdating = true;
  while (SendMessageW(FHandle, TB_BUTTONCOUNT, 0, 0) > 0) SendMessageW(FHandle, TB_DELETEBUTTON, 0, 0);
  SendMessageW(FHandle, TB_SETIMAGELIST, 0, LPARAM(FImages ? FImages->Handle() : nullptr));
  const std::vector<TToolButton*> buttons = Buttons();
  std::vector<std::wstring> texts;
  texts.reserve(buttons.size());
  std::vector<TBBUTTON> native;
  for (TToolButton* b : buttons) {
    TBBUTTON n{};
    const bool separator = b->GetStyle() == tbsSeparator;
    n.iBitmap = separator ? kSeparatorWidth : FImages && b->GetImageIndex() >= 0 ? b->GetImageIndex() : I_IMAGENONE;
    n.idCommand = b->CommandId();
    n.fsState = BYTE((b->GetEnabled() ? TBSTATE_ENABLED : 0) | (b->FDown ? TBSTATE_CHECKED : 0));
    n.fsStyle = NativeStyle(b->GetStyle());
    texts.push_back(b->GetText());
    n.iString = FShowCaptions && !separator ? INT_PTR(texts.back().c_str()) : -1;
    native.push_back(n);
  }
  if (!native.empty()) SendMessageW(FHandle, TB_ADDBUTTONSW, native.size(), LPARAM(native.data()));
  SendMessageW(FHandle, TB_AUTOSIZE, 0, 0);
  for (TToolButton* b : buttons) {
    const RECT r = ButtonRect(*b);
    b->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
  }
  FUpdating = false;
}

template <class Show>
void TToolBar::ShowBelow(TToolButton& button, Show show) {
  RECT r = ButtonRect(button);
  MapWindowPoints(FHandle, nullptr, reinterpret_cast<POINT*>(&r), 2);
  const int id = button.CommandId();
  SendMessageW(FHandle, TB_PRESSBUTTON, WPARAM(id), MAKELPARAM(TRUE, 0));
  show(POINT{r.left, r.bottom});
  if (IsWindow(FHandle)) SendMessageW(FHandle, TB_PRESSBUTTON, WPARAM(id), MAKELPARAM(FALSE, 0));
}

bool TToolBar::DropDown(TToolButton& button) {
  TPopupMenu* menu = button.DropdownMenu;
  if (!menu || !FHandle) return false;
  // The menu's messages go to the bar's form, which passes owner-drawn items
  // on; a window the program chose stays.
  const HWND chosen = menu->Window;
  if (!chosen) menu->Window = GetAncestor(FHandle, GA_ROOT);
  ShowBelow(button, [menu](POINT at) { menu->Popup(at.x, at.y); });
  menu->Window = chosen;
  return true;
}

bool TToolBar::TrackMenu(TToolButton& button) {
  TMenuItem* item = button.MenuItem();
  if (!FMenu || !FHandle || !item || item->Count() == 0) return false;
  TMainMenu* menu = FMenu;
  const HWND form = GetAncestor(FHandle, GA_ROOT);
  ShowBelow(button, [menu, item, form](POINT at) { menu->Popup(*item, at.x, at.y, form); });
  return true;
}

void TToolBar::ButtonCommand(int id) {
  TToolButton* button = ButtonOfCommand(id);
  if (!button) return;
  button->FDown = SendMessageW(FHandle, TB_ISBUTTONCHECKED, WPARAM(id), 0) != 0;
  if (TMenuItem* item = button->MenuItem()) {
    if (!TrackMenu(*button)) item->Click();
    return;
  }
  button->Click();
}

LRESULT TToolBar::CustomDrawBar(NMTBCUSTOMDRAW& cd, TCustomDrawStage stage) {
  const RECT r = ClientRect();
  bool defaultDraw = true;
  {
    TLentCanvas lent(FCanvas, cd.nmcd.hdc);
    if (stage == cdPrePaint && OnCustomDraw) OnCustomDraw(this, r, defaultDraw);
    if (defaultDraw && OnAdvancedCustomDraw) OnAdvancedCustomDraw(this, r, stage, defaultDraw);
  }
  if (!defaultDraw) return CDRF_SKIPDEFAULT;
  LRESULT result = CDRF_DODEFAULT;
  if (stage == cdPrePaint && OnAdvancedCustomDrawButton) result |= CDRF_NOTIFYITEMDRAW;
  if (stage == cdPrePaint && OnAdvancedCustomDraw) result |= CDRF_NOTIFYPOSTPAINT;
  return result;
}

LRESULT TToolBar::CustomDrawButton(NMTBCUSTOMDRAW& cd) {
  TToolButton* button = ButtonOfCommand(int(cd.nmcd.dwItemSpec));
  if (!button || !OnAdvancedCustomDrawButton) return CDRF_DODEFAULT;
  const RECT& r = cd.nmcd.rc;
  button->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
  TTBCustomDrawFlags flags = 0;
  bool defaultDraw = true;
  {
    TLentCanvas lent(FCanvas, cd.nmcd.hdc);
    FCanvas.Font().SetColor(TColor(cd.clrText));
    OnAdvancedCustomDrawButton(this, button, StateOf(cd.nmcd.uItemState), cdPrePaint, flags, defaultDraw);
    cd.clrText = ColorToRGB(FCanvas.Font().GetColor());
  }
  return defaultDraw ? NativeDrawFlags(flags) | CDRF_NEWFONT : CDRF_SKIPDEFAULT;
}

LRESULT TToolBar::CustomDraw(NMTBCUSTOMDRAW& cd) {
  switch (cd.nmcd.dwDrawStage) {
    case CDDS_PREPAINT: return CustomDrawBar(cd, cdPrePaint);
    case CDDS_POSTPAINT: return CustomDrawBar(cd, cdPostPaint);
    case CDDS_ITEMPREPAINT: return CustomDrawButton(cd);
    default: return CDRF_DODEFAULT;
  }
}

void TToolBar::WndProc(TMessage& m) {
  if (m.Msg == CN_NOTIFY && m.LParam) {
    auto& header = *reinterpret_cast<NMHDR*>(m.LParam);
    if (header.code == UINT(NM_CUSTOMDRAW)) {
      m.Result = CustomDraw(*reinterpret_cast<NMTBCUSTOMDRAW*>(m.LParam));
      return;
    }
    if (header.code == UINT(TBN_DROPDOWN)) {
      const auto& n = *reinterpret_cast<NMTOOLBARW*>(m.LParam);
      if (TToolButton* button = ButtonOfCommand(n.iItem)) DropDown(*button);
      m.Result = TBDDRET_DEFAULT;
      return;
    }
  }
  if (m.Msg == CN_COMMAND) {
    ButtonCommand(LOWORD(m.WParam));
    return;
  }
  TWinControl::WndProc(m);
}

// ---- TCoolBar ----

DEFINE_CLASS_INFO(TCoolBand, TPersistent,
  {StrProp("Text", &TCoolBand::GetText, &TCoolBand::SetText),
   ColorProp("Color", &TCoolBand::GetColor, &TCoolBand::SetColor),
   IntProp("Width", &TCoolBand::GetWidth, &TCoolBand::SetWidth),
   BoolProp("Break", &TCoolBand::GetBreak, &TCoolBand::SetBreak)})

void TCoolBand::Changed() { FBar.BandChanged(*this); }
void TCoolBand::SetControl(TWinControl* control) {
  FControl = control;
  Changed();
}
void TCoolBand::SetText(const std::wstring& v) {
  FText = v;
  Changed();
}
void TCoolBand::SetColor(TColor v) {
  FColor = v;
  Changed();
}
void TCoolBand::SetWidth(int v) {
  FWidth = v;
  Changed();
}
void TCoolBand::SetBreak(bool v) {
  FBreak = v;
  Changed();
}

DEFINE_CLASS_INFO(TCoolBands, TCollection, {})

TPersistent* TCoolBands::AddItem() {
  FItems.push_back(std::make_unique<TCoolBand>(FOwner));
  return FItems.back().get();
}

void TCoolBands::ItemsChanged() { FOwner.UpdateBands(); }

DEFINE_COMPONENT_INFO(TCoolBar, TWinControl, {ObjProp("Bands", &TCoolBar::Bands)})

TCoolBar::TCoolBar(TComponent* AOwner) : TWinControl(AOwner) {}

TCoolBar::~TCoolBar() {
  // The bands must not name a control that is going with the bar.
  FBands.ClearItems();
}

void TCoolBar::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.SysClassName = REBARCLASSNAMEW;
  p.Style |= WS_CLIPCHILDREN | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER | RBS_VARHEIGHT | RBS_BANDBORDERS;
}

void TCoolBar::Loaded() {
  TWinControl::Loaded();
  std::vector<TWinControl*> free;
  for (TControl* c : Controls())
    if (auto* w = dynamic_cast<TWinControl*>(c)) free.push_back(w);
  for (int i = 0; i < FBands.Count(); ++i)
    free.erase(std::remove(free.begin(), free.end(), FBands[i].GetControl()), free.end());
  for (int i = 0; i < FBands.Count() && !free.empty(); ++i)
    if (!FBands[i].GetControl()) {
      FBands[i].SetControl(free.front());
      free.erase(free.begin());
    }
}

namespace {
// The native band for a band; text is the storage its caption points into.
REBARBANDINFOW BandInfo(const TCoolBand& band, std::wstring& text) {
  text = band.GetText();
  REBARBANDINFOW info{};
  // The size of the record the system's older controls know.
  info.cbSize = REBARBANDINFOW_V3_SIZE;
  info.fMask = RBBIM_STYLE | RBBIM_TEXT | RBBIM_COLORS | RBBIM_SIZE;
  info.fStyle = RBBS_CHILDEDGE | (band.GetBreak() ? RBBS_BREAK : 0);
  info.lpText = text.data();
  info.clrFore = GetSysColor(COLOR_BTNTEXT);
  info.clrBack = ColorToRGB(band.GetColor());
  info.cx = UINT(band.GetWidth());
  if (TWinControl* control = band.GetControl()) {
    info.fMask |= RBBIM_CHILD | RBBIM_CHILDSIZE;
    info.hwndChild = control->Handle();
    info.cyMinChild = UINT(control->GetHeight());
  }
  return info;
}
}  // namespace

void TCoolBar::UpdateBands() {
  if (!FHandle) return;
  while (SendMessageW(FHandle, RB_GETBANDCOUNT, 0, 0) > 0) SendMessageW(FHandle, RB_DELETEBAND, 0, 0);
  for (int i = 0; i < FBands.Count(); ++i) {
    std::wstring text;
    REBARBANDINFOW info = BandInfo(FBands[i], text);
    SendMessageW(FHandle, RB_INSERTBANDW, WPARAM(-1), LPARAM(&info));
  }
}

void TCoolBar::BandChanged(const TCoolBand& band) {
  if (!FHandle) return;
  for (int i = 0; i < FBands.Count(); ++i)
    if (&FBands[i] == &band) {
      std::wstring text;
      REBARBANDINFOW info = BandInfo(band, text);
      // A band the window does not have yet (while the bands are read) is
      // made with the others.
      if (i < int(SendMessageW(FHandle, RB_GETBANDCOUNT, 0, 0)))
        SendMessageW(FHandle, RB_SETBANDINFOW, WPARAM(i), LPARAM(&info));
      else
        UpdateBands();
      return;
    }
}

COLORREF TCoolBar::NativeBandColour(int index) {
  REBARBANDINFOW info{};
  info.cbSize = REBARBANDINFOW_V3_SIZE;
  info.fMask = RBBIM_COLORS;
  if (!FHandle || !SendMessageW(FHandle, RB_GETBANDINFOW, WPARAM(index), LPARAM(&info))) return CLR_INVALID;
  return info.clrBack;
}
