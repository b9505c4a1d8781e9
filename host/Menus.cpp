#include "host/Menus.h"
#include "host/Forms.h"
#include <algorithm>

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

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* top = this;
  while (top->FParent) top = top->FParent;
  return top->FMenu;
}

TImageList* TMenuItem::GetImageList() const {
  const TMenu* menu = GetParentMenu();
  return menu ? menu->Images : nullptr;
}

namespace {
// The menus being shown as popups, innermost last: their windows'
// owner-draw messages find the items here.
struct TOpenMenu {
  TMenu* Menu;
  HMENU Handle;
};
std::vector<TOpenMenu> OpenMenus;

// Keeps a menu among the open ones while it is tracked.
class TOpenMenuScope {
public:
  TOpenMenuScope(TMenu& menu, HMENU handle) { OpenMenus.push_back({&menu, handle}); }
  ~TOpenMenuScope() { OpenMenus.pop_back(); }
  TOpenMenuScope(const TOpenMenuScope&) = delete;
  TOpenMenuScope& operator=(const TOpenMenuScope&) = delete;
};

// Shows the native popup of the menu's items at a screen point until it
// closes; the command chosen, or 0.
int TrackOpen(TMenu& menu, HMENU handle, int x, int y, HWND window) {
  TOpenMenuScope open(menu, handle);
  return TrackPopupMenu(handle, TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, window, nullptr);
}

std::wstring ItemText(const TMenuItem& item) {
  return item.ShortCutText.empty() ? item.Caption : item.Caption + L"\t" + item.ShortCutText;
}

UINT ItemState(const TMenuItem& item) {
  return (item.Enabled ? 0 : MFS_GRAYED) | (item.Checked ? MFS_CHECKED : 0) | (item.Default ? MFS_DEFAULT : 0);
}

// One native item for a class-library item; its text stays readable when
// it is owner-drawn.
void InsertItem(HMENU menu, const TMenuItem& item, UINT id, bool ownerDraw, HMENU subMenu) {
  const std::wstring text = ItemText(item);
  MENUITEMINFOW info{sizeof info};
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING | (subMenu ? MIIM_SUBMENU : 0);
  info.fType = (item.IsLine() ? MFT_SEPARATOR : 0) | (item.RadioItem ? MFT_RADIOCHECK : 0) |
               (ownerDraw ? MFT_OWNERDRAW : 0);
  info.fState = ItemState(item);
  info.wID = id;
  info.dwTypeData = const_cast<wchar_t*>(text.c_str());
  info.hSubMenu = subMenu;
  InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
}

// The item of an open owner-drawn menu with the command: a popup menu's
// commands are positions + 1, a main menu's its own numbers. A native
// menu, when given, is the one holding the item.
TMenuItem* OpenPopupItem(UINT command, HMENU menu) {
  for (auto it = OpenMenus.rbegin(); it != OpenMenus.rend(); ++it) {
    if (!it->Menu->OwnerDraw) continue;
    if (auto* popup = dynamic_cast<TPopupMenu*>(it->Menu)) {
      if (menu && it->Handle != menu) continue;
      if (command >= 1 && int(command) <= popup->Items.Count()) return popup->Items.Items(int(command) - 1);
    } else if (auto* main = dynamic_cast<TMainMenu*>(it->Menu)) {
      TMenuItem* item = main->FindItem(command);
      if (item && item->Parent() && (!menu || item->Parent()->Handle() == menu)) return item;
    }
  }
  return nullptr;
}
}  // namespace

bool DispatchPopupOwnerDraw(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (wparam != 0 || !lparam) return false;
  if (msg == WM_MEASUREITEM) {
    auto& m = *reinterpret_cast<MEASUREITEMSTRUCT*>(lparam);
    TMenuItem* item = m.CtlType == ODT_MENU ? OpenPopupItem(m.itemID, nullptr) : nullptr;
    if (!item || !item->OnMeasureItem) return false;
    TWindowDC dc(nullptr);
    int width = int(m.itemWidth), height = int(m.itemHeight);
    item->OnMeasureItem(item, dc.Get(), width, height);
    m.itemWidth = UINT(std::max(0, width));
    m.itemHeight = UINT(std::max(0, height));
    return true;
  }
  if (msg == WM_DRAWITEM) {
    const auto& d = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
    TMenuItem* item = d.CtlType == ODT_MENU ? OpenPopupItem(d.itemID, HMENU(d.hwndItem)) : nullptr;
    if (!item || !item->OnDrawItem) return false;
    item->OnDrawItem(item, d.hDC, d.rcItem, d.itemState & ODS_SELECTED);
    return true;
  }
  return false;
}

bool TPopupMenu::Popup(int x, int y) {
  TMenuHandle menu(CreatePopupMenu());
  if (!menu) return false;
  // Command identifiers are item positions + 1: 0 means nothing chosen.
  for (int i = 0; i < Items.Count(); ++i) InsertItem(menu.Get(), *Items.Items(i), UINT(i + 1), OwnerDraw, nullptr);
  HWND window = Window ? Window : Application ? Application->Handle() : nullptr;
  FHandle = menu.Get();
  const int chosen = TrackOpen(*this, menu.Get(), x, y, window);
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
    if (item.Count() > 0) {
      item.FHandle = CreatePopupMenu();
      AppendItems(item.FHandle, item, next);
    }
    InsertItem(menu, item, item.FCommand, OwnerDraw, item.FHandle);
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

bool TMainMenu::Popup(TMenuItem& top, int x, int y, HWND window) {
  if (!Handle() || top.Parent() != &Items || !top.Handle()) return false;
  const int chosen = TrackOpen(*this, top.Handle(), x, y, window);
  return chosen > 0 && DispatchCommand(UINT(chosen));
}

bool TMainMenu::DispatchCommand(UINT command) {
  TMenuItem* item = FindItem(command);
  if (!item || !item->Enabled) return false;
  item->Click();
  return true;
}
