#include "host/Menus.h"
#include "host/Forms.h"

void TMenuItem::Click() {
  if (Enabled && OnClick) OnClick(this);
}

TMenuItem* TMenuItem::Add(const std::wstring& caption, int tag) {
  FItems.push_back(std::make_unique<TMenuItem>(nullptr));
  TMenuItem* item = FItems.back().get();
  item->FParent = this;
  item->Caption = caption;
  item->SetTag(tag);
  return item;
}

bool TPopupMenu::Popup(int x, int y) {
  TMenuHandle menu(CreatePopupMenu());
  if (!menu) return false;
  // Command identifiers are item positions + 1: 0 means nothing chosen.
  for (int i = 0; i < Items.Count(); ++i) {
    const TMenuItem& item = *Items.Items(i);
    UINT flags = item.IsLine() ? MF_SEPARATOR : MF_STRING;
    if (!item.Enabled) flags |= MF_GRAYED;
    if (item.Checked) flags |= MF_CHECKED;
    std::wstring text = item.Caption;
    if (!item.ShortCutText.empty()) text += L"\t" + item.ShortCutText;
    AppendMenuW(menu.Get(), flags, UINT_PTR(i + 1), text.c_str());
  }
  HWND window = Window ? Window : Application ? Application->Handle() : nullptr;
  FHandle = menu.Get();
  const int chosen = TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, window, nullptr);
  FHandle = nullptr;
  if (chosen <= 0 || chosen > Items.Count()) return false;
  Items.Items(chosen - 1)->Click();
  return true;
}

TMenuItem* TMenuItem::Find(UINT command) {
  if (FCommand == command) return this;
  for (auto& item : FItems)
    if (TMenuItem* found = item->Find(command)) return found;
  return nullptr;
}

TMenuItem* TMenuItem::FindByHandle(HMENU popup) {
  if (popup && FHandle == popup) return this;
  for (auto& item : FItems)
    if (TMenuItem* found = item->FindByHandle(popup)) return found;
  return nullptr;
}

namespace {
std::wstring ItemText(const TMenuItem& item) {
  return item.ShortCutText.empty() ? item.Caption : item.Caption + L"\t" + item.ShortCutText;
}

UINT ItemState(const TMenuItem& item) {
  return (item.Enabled ? 0 : MFS_GRAYED) | (item.Checked ? MFS_CHECKED : 0) | (item.Default ? MFS_DEFAULT : 0);
}
}  // namespace

TMainMenu::~TMainMenu() {
  // A window destroys the menu it shows: it must not show this one any more.
  if (FHandle && FWindow && GetMenu(FWindow) == FHandle.Get()) SetMenu(FWindow, nullptr);
}

void TMainMenu::AppendItems(HMENU menu, TMenuItem& parent, UINT& next) {
  for (auto& owned : parent.FItems) {
    TMenuItem& item = *owned;
    item.FCommand = 0;
    item.FHandle = nullptr;
    if (!item.Visible) continue;
    item.FCommand = next++;
    const std::wstring text = ItemText(item);
    MENUITEMINFOW info{sizeof info};
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
    info.fType = (item.IsLine() ? MFT_SEPARATOR : 0) | (item.RadioItem ? MFT_RADIOCHECK : 0) |
                 (OwnerDraw ? MFT_OWNERDRAW : 0);
    info.fState = ItemState(item);
    info.wID = item.FCommand;
    info.dwTypeData = const_cast<wchar_t*>(text.c_str());
    if (item.Count() > 0) {
      item.FHandle = CreatePopupMenu();
      AppendItems(item.FHandle, item, next);
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = item.FHandle;
    }
    InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
  }
}

HMENU TMainMenu::Handle() {
  if (!FHandle) {
    FHandle.Reset(CreateMenu());
    UINT next = 1;
    if (FHandle) AppendItems(FHandle.Get(), Items, next);
  }
  return FHandle.Get();
}

void TMainMenu::Rebuild() {
  // The window lets go of the old menu before it is destroyed.
  TMenuHandle old = std::move(FHandle);
  Handle();
  if (FWindow) SendMessageW(FWindow, CM_MENUCHANGED, 0, 0);
}

bool TMainMenu::DispatchCommand(UINT command) {
  TMenuItem* item = FindItem(command);
  if (!item || !item->Enabled) return false;
  item->Click();
  return true;
}
