#include "host/ComboBoxes.h"
#include <commctrl.h>
#include <algorithm>

namespace {
const std::vector<std::wstring> kStyles = {L"csDropDown", L"csSimple", L"csDropDownList", L"csOwnerDrawFixed",
                                           L"csOwnerDrawVariable"};

DWORD StyleBits(TComboBoxStyle style) {
  switch (style) {
    case csSimple: return CBS_SIMPLE;
    case csDropDownList: return CBS_DROPDOWNLIST;
    case csOwnerDrawFixed: return CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
    case csOwnerDrawVariable: return CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS;
    case csDropDown: break;
  }
  return CBS_DROPDOWN;
}
}  // namespace

DEFINE_CLASS_INFO(TCustomComboBox, TWinControl,
  {EnumProp("Style", &TCustomComboBox::GetStyle, &TCustomComboBox::SetStyle, kStyles),
   StringListProp("Items", &TCustomComboBox::GetItems),
   IntProp("ItemIndex", &TCustomComboBox::GetItemIndex, &TCustomComboBox::SetItemIndex),
   IntProp("DropDownCount", &TCustomComboBox::GetDropDownCount, &TCustomComboBox::SetDropDownCount),
   StrProp("Text", &TCustomComboBox::GetText, &TCustomComboBox::SetText),
   EventProp("OnChange", &TCustomComboBox::OnChange)})

DEFINE_COMPONENT_INFO(TComboBox, TCustomComboBox, {})

TCustomComboBox::TCustomComboBox(TComponent* AOwner) : TWinControl(AOwner) {
  FTabStop = true;
  FColor = clWindow;
}

void TCustomComboBox::SetStyle(TComboBoxStyle v) {
  if (v == FStyle) return;
  FItemIndex = GetItemIndex();
  FStyle = v;
  if (!FHandle) return;
  DestroyHandle();
  HandleNeeded();
}

void TCustomComboBox::AddItem(const std::wstring& Text) {
  FItems.Add(Text);
  if (FHandle) SendMessageW(FHandle, CB_ADDSTRING, 0, LPARAM(Text.c_str()));
}

void TCustomComboBox::ClearItems() {
  FItems.Clear();
  FItemIndex = -1;
  if (FHandle) SendMessageW(FHandle, CB_RESETCONTENT, 0, 0);
}

int TCustomComboBox::GetItemIndex() const {
  if (!FHandle) return FItemIndex;
  const LRESULT i = SendMessageW(FHandle, CB_GETCURSEL, 0, 0);
  return i == CB_ERR ? -1 : int(i);
}

void TCustomComboBox::SetItemIndex(int v) {
  FItemIndex = v >= 0 && v < FItems.Count() ? v : -1;
  if (FHandle) SendMessageW(FHandle, CB_SETCURSEL, WPARAM(FItemIndex), 0);
}

void TCustomComboBox::SetDropDownCount(int v) {
  FDropDownCount = std::max(1, v);
  ApplyDropHeight();
}

bool TCustomComboBox::GetDroppedDown() const {
  return FHandle && SendMessageW(FHandle, CB_GETDROPPEDSTATE, 0, 0);
}

void TCustomComboBox::SetDroppedDown(bool v) {
  if (FHandle) SendMessageW(FHandle, CB_SHOWDROPDOWN, v, 0);
}

void TCustomComboBox::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.SysClassName = L"COMBOBOX";
  p.Style |= WS_VSCROLL | CBS_AUTOHSCROLL | StyleBits(FStyle);
}

void TCustomComboBox::HandleCreated() {
  TWinControl::HandleCreated();
  for (const std::wstring& row : FItems.Items()) SendMessageW(FHandle, CB_ADDSTRING, 0, LPARAM(row.c_str()));
  if (FItemIndex >= 0) SendMessageW(FHandle, CB_SETCURSEL, WPARAM(FItemIndex), 0);
  ApplyDropHeight();
}

int TCustomComboBox::WindowHeight() const {
  if (FStyle == csSimple) return FHeight;
  const LRESULT row = FHandle ? SendMessageW(FHandle, CB_GETITEMHEIGHT, 0, 0) : 0;
  return FHeight + FDropDownCount * int(row > 0 ? row : 16) + 2;
}

void TCustomComboBox::ApplyDropHeight() {
  if (!FHandle || FStyle == csSimple) return;
  SendMessageW(FHandle, CB_SETMINVISIBLE, WPARAM(FDropDownCount), 0);
  SetWindowPos(FHandle, nullptr, 0, 0, FWidth, WindowHeight(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TCustomComboBox::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND && (HIWORD(m.WParam) == CBN_SELCHANGE || HIWORD(m.WParam) == CBN_EDITCHANGE)) {
    if (OnChange) OnChange(this);
    return;
  }
  TWinControl::WndProc(m);
}
