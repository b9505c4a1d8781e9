#include "host/CheckButtons.h"
#include <algorithm>

namespace {
const std::vector<std::wstring> kSides = {L"taLeftJustify", L"taRightJustify"};

bool IsArrow(WPARAM key) { return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN; }

void SetStyleBit(HWND wnd, int index, LONG_PTR bit, bool on) {
  const LONG_PTR style = GetWindowLongPtrW(wnd, index);
  const LONG_PTR wanted = on ? style | bit : style & ~bit;
  if (wanted != style) SetWindowLongPtrW(wnd, index, wanted);
}
}  // namespace

DWORD BiDiExStyle(TBiDiMode mode) {
  switch (mode) {
    case bdRightToLeft: return WS_EX_RTLREADING | WS_EX_RIGHT;
    case bdRightToLeftNoAlign:
    case bdRightToLeftReadingOnly: return WS_EX_RTLREADING;
    default: return 0;
  }
}

// ---- TButtonControl ----

DEFINE_CLASS_INFO(TButtonControl, TWinControl, {})

TButtonControl::TButtonControl(TComponent* AOwner) : TWinControl(AOwner) { FTabStop = true; }

void TButtonControl::SetAlignment(TAlignment v) {
  FAlignment = v == taLeftJustify ? taLeftJustify : taRightJustify;
  UpdateStyles();
}

bool TButtonControl::MarkAtRight() const { return (FAlignment == taLeftJustify) != (FBiDiMode == bdRightToLeft); }

void TButtonControl::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.SysClassName = L"BUTTON";
  p.Style |= ButtonType() | (MarkAtRight() ? BS_RIGHTBUTTON : 0);
  p.ExStyle |= BiDiExStyle(FBiDiMode);
}

void TButtonControl::HandleCreated() { ShowCheckState(); }

void TButtonControl::ShowCheckState() {
  if (FHandle) SendMessageW(FHandle, BM_SETCHECK, CheckState(), 0);
}

void TButtonControl::UpdateStyles() {
  if (!FHandle) return;
  SetStyleBit(FHandle, GWL_STYLE, BS_RIGHTBUTTON, MarkAtRight());
  SetStyleBit(FHandle, GWL_EXSTYLE, WS_EX_RTLREADING | WS_EX_RIGHT, false);
  SetStyleBit(FHandle, GWL_EXSTYLE, BiDiExStyle(FBiDiMode), true);
  Invalidate();
}

void TButtonControl::WndProc(TMessage& m) {
  if (m.Msg == CM_BIDIMODECHANGED) {
    UpdateStyles();
    return;
  }
  TWinControl::WndProc(m);
}

// ---- TCustomCheckBox ----

DEFINE_CLASS_INFO(TCustomCheckBox, TButtonControl, {})

DEFINE_COMPONENT_INFO(TCheckBox, TCustomCheckBox,
  {BoolProp("Checked", &TCheckBox::GetChecked, &TCheckBox::SetChecked),
   EnumProp("State", &TCheckBox::GetState, &TCheckBox::SetState, {L"cbUnchecked", L"cbChecked", L"cbGrayed"}),
   BoolProp("AllowGrayed", &TCheckBox::GetAllowGrayed, &TCheckBox::SetAllowGrayed),
   EnumProp("Alignment", &TCheckBox::GetAlignment, &TCheckBox::SetAlignment, kSides)})

WPARAM TCustomCheckBox::CheckState() const {
  return FState == cbChecked ? BST_CHECKED : FState == cbGrayed ? BST_INDETERMINATE : BST_UNCHECKED;
}

void TCustomCheckBox::SetState(TCheckBoxState v) {
  if (v == FState) return;
  FState = v;
  ShowCheckState();
  if (!Loading()) Click();
}

void TCustomCheckBox::Toggle() {
  switch (FState) {
    case cbUnchecked: SetState(cbChecked); break;
    case cbChecked: SetState(FAllowGrayed ? cbGrayed : cbUnchecked); break;
    default: SetState(cbUnchecked); break;
  }
}

void TCustomCheckBox::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND && HIWORD(m.WParam) == BN_CLICKED) {
    Toggle();
    return;
  }
  TButtonControl::WndProc(m);
}

// ---- TRadioButton ----

DEFINE_COMPONENT_INFO(TRadioButton, TButtonControl,
  {BoolProp("Checked", &TRadioButton::GetChecked, &TRadioButton::SetChecked),
   EnumProp("Alignment", &TRadioButton::GetAlignment, &TRadioButton::SetAlignment, kSides)})

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner) { FTabStop = false; }

void TRadioButton::CreateParams(TCreateParams& p) {
  FTabStop = IsGroupTabStop();
  TButtonControl::CreateParams(p);
}

void TRadioButton::HandleCreated() {
  TButtonControl::HandleCreated();
  // The system's radio button takes its tab stop from the check it was
  // just sent; the group's own rule decides instead.
  SetStyleBit(FHandle, GWL_STYLE, WS_TABSTOP, FTabStop);
}

void TRadioButton::SetChecked(bool v) {
  if (v == FChecked) return;
  FChecked = v;
  ShowCheckState();
  if (v) TurnSiblingsOff();
  UpdateGroupTabStops();
  if (v && !Loading()) Click();
}

void TRadioButton::TurnSiblingsOff() {
  for (TRadioButton* other : Group(false))
    if (other != this) other->SetChecked(false);
}

std::vector<TRadioButton*> TRadioButton::Group(bool usable) const {
  if (!FParent) return {const_cast<TRadioButton*>(this)};
  std::vector<TRadioButton*> group;
  for (TWinControl* w : FParent->ChildrenInTabOrder()) {
    auto* radio = dynamic_cast<TRadioButton*>(w);
    if (radio && (!usable || (radio->GetVisible() && radio->GetEnabled()))) group.push_back(radio);
  }
  return group;
}

bool TRadioButton::IsGroupTabStop() const {
  const std::vector<TRadioButton*> group = Group(false);
  const bool anyChecked = std::any_of(group.begin(), group.end(), [](TRadioButton* r) { return r->FChecked; });
  return anyChecked ? FChecked : !group.empty() && group.front() == this;
}

void TRadioButton::UpdateGroupTabStops() {
  for (TRadioButton* radio : Group(false)) {
    radio->FTabStop = radio->IsGroupTabStop();
    if (radio->FHandle) SetStyleBit(radio->FHandle, GWL_STYLE, WS_TABSTOP, radio->FTabStop);
  }
}

void TRadioButton::MoveInGroup(bool forward) {
  const std::vector<TRadioButton*> group = Group(true);
  const auto at = std::find(group.begin(), group.end(), this);
  if (group.size() < 2 || at == group.end()) return;
  const size_t n = group.size(), i = size_t(at - group.begin());
  TRadioButton* next = group[(forward ? i + 1 : i + n - 1) % n];
  next->SetFocus();
  next->SetChecked(true);
}

void TRadioButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_COMMAND:
      if (HIWORD(m.WParam) != BN_CLICKED) break;
      SetChecked(true);
      return;
    case WM_GETDLGCODE:
      // The arrows are the group's own: the dialog manager would walk every
      // sibling, radio button or not.
      TButtonControl::WndProc(m);
      m.Result |= DLGC_WANTARROWS;
      return;
    case WM_KEYDOWN:
      if (!IsArrow(m.WParam)) break;
      MoveInGroup(m.WParam == VK_RIGHT || m.WParam == VK_DOWN);
      m.Result = 0;
      return;
    default:
      break;
  }
  TButtonControl::WndProc(m);
}
