#include "skin/form/WinSkinMenu.h"
#include "host/CallbackGuard.h"
#include "skin/controls/SkinControl.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/FramePaint.h"
#include "skin/draw/NineSlice.h"
#include "skin/draw/ThreeSlice.h"
#include "skin/form/MenuItemPaint.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manager/SkinManage.h"
#include <algorithm>

namespace {
// One drop-down of one bar is open at a time in the process: the message
// filter finds its bar here.
TWinSkinMenu* TrackingBar = nullptr;

constexpr UINT kCaptionFormat = DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_EXPANDTABS;

std::wstring NativeItemText(HMENU menu, int position) {
  wchar_t text[81] = {};
  MENUITEMINFOW info{sizeof info};
  info.fMask = MIIM_STRING;
  info.dwTypeData = text;
  info.cch = 80;
  return GetMenuItemInfoW(menu, UINT(position), TRUE, &info) ? text : L"";
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

// The accelerator of a caption: the character after a single "&".
wchar_t Accelerator(const std::wstring& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] != L'&') return caption[i + 1];
    ++i;
  }
  return 0;
}
}  // namespace

// While a drop-down of the bar is open: the arrow keys beyond its ends and
// the mouse over another bar button switch to that button's drop-down.
LRESULT CALLBACK MenuBarMsgFilter(int code, WPARAM wparam, LPARAM lparam) {
  GuardCallback("menu bar message filter", [&] {
    TWinSkinMenu* bar = TrackingBar;
    auto* msg = reinterpret_cast<MSG*>(lparam);
    if (code != MSGF_MENU || !bar || !msg) return;
    const int count = int(bar->Buttons.size());
    if (bar->FByKeyboard) {
      bar->FByKeyboard = false;
      PostMessageW(msg->hwnd, WM_KEYDOWN, VK_DOWN, 0);
    }
    switch (msg->message) {
      case WM_KEYDOWN: {
        if (count == 0) break;
        // A right-to-left bar runs leftwards, and its sub-menus open to the left.
        const bool rtl = bar->Owner.RightToLeft;
        const WPARAM back = rtl ? VK_RIGHT : VK_LEFT, on = rtl ? VK_LEFT : VK_RIGHT;
        // The buttons may have been made again while the drop-down is open.
        if (size_t(bar->FOpenIndex) >= bar->Buttons.size()) break;
        const HMENU open = bar->Buttons[size_t(bar->FOpenIndex)]->SubMenu;
        if (msg->wParam == back && (!bar->FSelectedIn || bar->FSelectedIn == open))
          bar->SwitchTo(bar->NextOpenable(-1), true);
        else if (msg->wParam == back)
          bar->SubMenuClosing(open);
        else if (msg->wParam == on && !bar->FSelectedOpens)
          bar->SwitchTo(bar->NextOpenable(+1), true);
        break;
      }
      case WM_MOUSEMOVE: {
        if (msg->pt.x == bar->FLastMouse.x && msg->pt.y == bar->FLastMouse.y) break;
        bar->FLastMouse = msg->pt;
        RECT window;
        GetWindowRect(bar->Owner.Handle, &window);
        if (TMenuBtn* b = bar->ItemAt({msg->pt.x - window.left, msg->pt.y - window.top}))
          if (b->Index != bar->FOpenIndex) bar->SwitchTo(b->Index, false);
        break;
      }
    }
  });
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

void TMenuBtn::MouseDown() {
  TNCObject::MouseDown();
  // The bar, and this button with it, may be gone once the drop-down closes;
  // the form skinner outlives its own messages.
  TWinSkinForm* owner = Owner;
  const TNCObject* self = this;
  Bar.OpenMenuButton(this);
  // The pointer may be anywhere now: the next move finds what is under it.
  if (owner->HotObject == self) owner->HotObject = nullptr;
}

void TMenuBtn::Paint() {
  if (!Visible || !Owner->Handle || Bar.BarBackground.Empty()) return;
  TWholeWindowDC window(Owner->Handle);
  const HDC dc = window.Get();
  if (!dc) return;
  GuardCallback("menu bar button paint", [&] {
    const RECT bar = Bar.BarRect;
    BitBlt(dc, Bounds.left, bar.top, Width(Bounds), Height(bar), Bar.BarBackground.Canvas().Handle(),
           Bounds.left - bar.left, 0, SRCCOPY);
    if (ButtonState == nsPressed || ButtonState == nsHot)
      FrameColor(dc, Bounds, Bar.SkinData.SkinColours[scButtonHilight]);
    TSelectObject font(dc, Bar.Font());
    const int mode = SetBkMode(dc, TRANSPARENT);
    Bar.PaintCaption(dc, *this);
    SetBkMode(dc, mode);
  });
}

TWinSkinMenu::TWinSkinMenu(TWinSkinForm& owner, TSkinData& skinData, TMainMenu* mainMenu)
    : Owner(owner), SkinData(skinData), MainMenu(mainMenu), FFont(CreateMenuFont(false)), FBoldFont(CreateMenuFont(true)) {}

TWinSkinMenu::~TWinSkinMenu() {
  if (FGone) *FGone = true;
  if (TrackingBar == this) {
    TrackingBar = nullptr;
    // Its drop-down goes with the bar.
    EndMenu();
  }
  GiveItemsBack();
}

void TWinSkinMenu::MakeOwnerDrawn(HMENU menu) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info{sizeof info};
    info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
    if (!GetMenuItemInfoW(menu, UINT(i), TRUE, &info)) continue;
    if (info.hSubMenu) MakeOwnerDrawn(info.hSubMenu);
    // An item its program draws stays the program's.
    if (info.fType & MFT_OWNERDRAW) continue;
    info.fMask = MIIM_FTYPE;
    info.fType |= MFT_OWNERDRAW;
    if (SetMenuItemInfoW(menu, UINT(i), TRUE, &info)) FOwnerDrawn.push_back({menu, UINT(i)});
  }
}

void TWinSkinMenu::GiveItemsBack() {
  for (const TOwnerDrawn& d : FOwnerDrawn) {
    MENUITEMINFOW info{sizeof info};
    info.fMask = MIIM_FTYPE;
    // A menu its program has destroyed meanwhile is left alone.
    if (!IsMenu(d.Menu) || !GetMenuItemInfoW(d.Menu, d.Position, TRUE, &info)) continue;
    info.fType &= ~UINT(MFT_OWNERDRAW);
    SetMenuItemInfoW(d.Menu, d.Position, TRUE, &info);
  }
  FOwnerDrawn.clear();
}

bool TWinSkinMenu::SkinDraws(UINT id, HMENU& holder, int& position) const {
  if (FOpenIndex < 0 || !FindMenuItem(Buttons[size_t(FOpenIndex)]->SubMenu, id, holder, position))
    return false;
  for (const TOwnerDrawn& d : FOwnerDrawn)
    if (d.Menu == holder && d.Position == UINT(position)) return true;
  return false;
}

TMenuItemLook TWinSkinMenu::DropDownItemLook(HMENU holder, int position, UINT drawState) const {
  // The state as the system has it; the image from the class-library item,
  // when the form has one for it.
  TMenuItemLook look = NativeItemLook(holder, position, drawState);
  look.RightToLeft = Owner.RightToLeft;
  if (!MainMenu) return look;
  const HMENU sub = GetSubMenu(holder, position);
  const TMenuItem* item = sub ? MainMenu->Items.FindByHandle(sub) : MainMenu->FindItem(GetMenuItemID(holder, position));
  if (item) {
    look.Images = item->GetImageList();
    look.ImageIndex = item->ImageIndex;
  }
  return look;
}

bool TWinSkinMenu::MeasureItem(MEASUREITEMSTRUCT& item) {
  HMENU holder = nullptr;
  int position = 0;
  if (item.CtlType != ODT_MENU || !SkinDraws(item.itemID, holder, position)) return false;
  TWholeWindowDC dc(Owner.Handle);
  const SIZE size = MeasureMenuItem(dc.Get(), Font(), SkinData, DropDownItemLook(holder, position, 0));
  item.itemWidth = UINT(size.cx);
  item.itemHeight = UINT(size.cy);
  return true;
}

bool TWinSkinMenu::DrawItem(const DRAWITEMSTRUCT& item) {
  HMENU holder = nullptr;
  int position = 0;
  if (item.CtlType != ODT_MENU || !SkinDraws(item.itemID, holder, position)) return false;
  const HMENU menu = HMENU(item.hwndItem);
  TBitmap* frame = nullptr;
  if (SkinManager) {
    SkinManager->AssignMenuToPopup(menu);
    frame = SkinManager->FindPopupBitmap(menu);
  }
  DrawMenuItem(item.hDC, item.rcItem, SkinData, Font(), FBoldFont.Get(),
               DropDownItemLook(holder, position, item.itemState), frame);
  return true;
}

void TWinSkinMenu::TakeMenu(HMENU menu) {
  if (menu) NativeMenu = menu;
}

void TWinSkinMenu::Rebuild() {
  TakeMenu(GetMenu(Owner.Handle));
  Buttons.clear();
  const int count = NativeMenu ? GetMenuItemCount(NativeMenu) : 0;
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info{sizeof info};
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
    if (!GetMenuItemInfoW(NativeMenu, UINT(i), TRUE, &info)) continue;
    auto button = std::make_unique<TMenuBtn>(&Owner, *this);
    button->Index = int(Buttons.size());
    button->SubMenu = info.hSubMenu;
    button->ItemEnabled = !(info.fState & (MFS_GRAYED | MFS_DISABLED));
    button->Visible = true;
    button->Command = info.wID;
    button->Caption = NativeItemText(NativeMenu, i);
    if (TMenuItem* item = MainMenu ? MainMenu->FindItem(info.wID) : nullptr) {
      button->Item = item;
      button->Caption = item->Caption;
      button->ItemEnabled = item->Enabled;
    }
    Buttons.push_back(std::move(button));
  }
  Layout();
}

RECT TWinSkinMenu::CurrentBarRect() const {
  RECT w{};
  GetWindowRect(Owner.Handle, &w);
  return {Owner.BorderLeft, Owner.BorderTop, Width(w) - Owner.BorderRight, Owner.BorderTop + Owner.MenuBarHeight};
}

int TWinSkinMenu::StartOffset() const {
  const TDataSkinObject* element = SkinData.MenuBarElement.get();
  if (!HasImage(element)) return 6;
  return Owner.RightToLeft ? element->RightWidth + 8 : element->LeftWidth + 4;
}

void TWinSkinMenu::Layout() {
  RECT bar = CurrentBarRect();
  if (IsRectEmpty(&bar)) return;
  const bool childButtons = Owner.ActiveMDIChildMaximized();
  // Right-to-left buttons end left of the maximized child's buttons.
  if (Owner.RightToLeft && childButtons)
    for (auto& b : Owner.CaptionButtons)
      if (b->Visible && b->Element->Align == baMDIMenuBar) bar.right = std::min(bar.right, b->Bounds.left - 5);
  TWholeWindowDC window(Owner.Handle);
  TSelectObject font(window.Get(), Font());
  int x = StartOffset();
  for (auto& b : Buttons) {
    if (!b->Visible) {
      b->Bounds = {};
      continue;
    }
    RECT text{};
    DrawTextWide(window.Get(), b->Caption, &text, DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE);
    const int w = Width(text) > 0 ? Width(text) + 10 : Width(text);
    b->Bounds = Owner.RightToLeft ? RECT{bar.right - x - w, bar.top, bar.right - x, bar.bottom - 1}
                                  : RECT{bar.left + x, bar.top, bar.left + x + w, bar.bottom - 1};
    x += w;
  }
}

void TWinSkinMenu::PaintBar(HDC dc) {
  const RECT bar = CurrentBarRect();
  if (IsRectEmpty(&bar)) return;
  Layout();
  BarRect = bar;
  BarBackground.SetSize(Width(bar), Height(bar));
  const RECT local{0, 0, Width(bar), Height(bar)};
  TDataSkinObject* element = SkinData.MenuBarElement.get();
  const int frame = Owner.Active ? 1 : 2;
  if (HasImage(element) && element->Tile == 1)
    DrawSkinElement(BarBackground.Canvas().Handle(), local, *element->Image, SkinMargins(*element), true, false,
                    false, 2, frame);
  else if (HasImage(element))
    DrawThreeSliceTiled(BarBackground.Canvas(), local, *element->Image, SkinMargins(*element), true, false, 2, frame);
  else
    FillColor(BarBackground.Canvas().Handle(), local, SkinData.SkinColours[scMenubar]);
  BitBlt(dc, bar.left, bar.top, Width(bar), Height(bar), BarBackground.Canvas().Handle(), 0, 0, SRCCOPY);
  TSelectObject font(dc, Font());
  const int mode = SetBkMode(dc, TRANSPARENT);
  for (auto& b : Buttons) {
    if (!b->Visible) continue;
    b->ButtonState = nsNormal;
    PaintCaption(dc, *b);
  }
  SetBkMode(dc, mode);
  if (Owner.ActiveMDIChildMaximized()) PaintChildButtons(dc);
}

void TWinSkinMenu::PaintChildButtons(HDC dc) {
  for (auto& b : Owner.CaptionButtons)
    if (b->Visible && b->HasPicture() && b->Element->Align == baMDIMenuBar)
      DrawFrameStretched(dc, b->Bounds, *b->Picture(), true, b->Frames(), nsNormal);
  if (SkinManager && !SkinManager->MDIMaximized) SkinManager->SetMDIMaximized(true);
}

void TWinSkinMenu::PaintCaption(HDC dc, const TMenuBtn& button) const {
  RECT r = button.Bounds;
  SetTextColor(dc, button.ItemEnabled ? ColorToRGB(SkinData.SkinColours[scMenuBarText]) : GetSysColor(COLOR_BTNSHADOW));
  DrawTextWide(dc, button.Caption, &r, kCaptionFormat);
}

TMenuBtn* TWinSkinMenu::ItemAt(POINT window) {
  for (auto& b : Buttons)
    if (!b->Caption.empty() && PtInRect(&b->Bounds, window)) return b.get();
  return nullptr;
}

TMenuBtn* TWinSkinMenu::ButtonByAccel(wchar_t key) {
  for (auto& b : Buttons) {
    const wchar_t accel = Accelerator(b->Caption);
    if (b->Visible && b->ItemEnabled && accel && CharUpperW(LPWSTR(UINT_PTR(accel))) == CharUpperW(LPWSTR(UINT_PTR(key))))
      return b.get();
  }
  return nullptr;
}

void TWinSkinMenu::SubMenuClosing(HMENU dropDown) {
  // The system selects the sub-menu's item again without saying so.
  HMENU holder = nullptr;
  int position = 0;
  if (!FindMenuItem(dropDown, UINT(UINT_PTR(FSelectedIn)), holder, position)) return;
  FSelectedIn = holder;
  FSelectedOpens = true;
}

void TWinSkinMenu::MenuSelect(UINT flags, HMENU menu) {
  const bool closed = flags == 0xFFFF && !menu;
  FSelectedOpens = !closed && (flags & MF_POPUP);
  FSelectedIn = closed ? nullptr : menu;
}

int TWinSkinMenu::NextOpenable(int step) const {
  const int count = int(Buttons.size());
  for (int i = 1; i < count; ++i) {
    const TMenuBtn& b = *Buttons[size_t(((FOpenIndex + step * i) % count + count) % count)];
    if (b.Visible && b.ItemEnabled && b.SubMenu && !b.Caption.empty()) return b.Index;
  }
  return FOpenIndex;
}

void TWinSkinMenu::SwitchTo(int index, bool byKeyboard) {
  if (index == FOpenIndex) return;
  FSwitchTo = index;
  FSwitchByKeyboard = byKeyboard;
  EndMenu();
}

bool TWinSkinMenu::OpenMenuButton(TMenuBtn* button, bool byKeyboard) {
  bool shown = false;
  while (button) {
    FSwitchTo = -1;
    // A command item of the bar, or a class-library item, runs its command;
    // the identifier of a native drop-down item means nothing to its window.
    if (!button->SubMenu || button->Item) {
      if (button->ItemEnabled) PostMessageW(Owner.Handle, WM_COMMAND, MAKEWPARAM(button->Command, 0), 0);
    }
    if (!button->SubMenu || !button->ItemEnabled || TrackingBar) {
      button->ButtonState = nsNormal;
      button->Paint();
      return shown;
    }
    RECT window{};
    GetWindowRect(Owner.Handle, &window);
    button->ButtonState = nsPressed;
    button->Paint();
    FOpenIndex = button->Index;
    MakeOwnerDrawn(button->SubMenu);
    FByKeyboard = byKeyboard;
    FSelectedIn = nullptr;
    FSelectedOpens = false;
    GetCursorPos(&FLastMouse);
    if (SkinManager) SkinManager->MenuKind = mkMenuBar;
    const int x = (Owner.RightToLeft ? button->Bounds.right : button->Bounds.left) + window.left;
    const int y = button->Bounds.bottom + window.top;
    const HHOOK hook = SetWindowsHookExW(WH_MSGFILTER, MenuBarMsgFilter, nullptr, GetCurrentThreadId());
    TrackingBar = this;
    // Unskinning or a new menu while the drop-down is open frees the bar or
    // its buttons: only what is still there is touched afterwards.
    bool gone = false;
    FGone = &gone;
    const size_t index = size_t(button->Index);
    TrackPopupMenu(button->SubMenu, TPM_RIGHTBUTTON | (Owner.RightToLeft ? TPM_RIGHTALIGN : 0), x, y, 0, Owner.Handle,
                   nullptr);
    if (hook) UnhookWindowsHookEx(hook);
    if (gone) return true;
    FGone = nullptr;
    TrackingBar = nullptr;
    FOpenIndex = -1;
    shown = true;
    if (index >= Buttons.size()) return shown;
    button = Buttons[index].get();
    button->ButtonState = nsNormal;
    button->Paint();
    // Moving along the bar opens the next drop-down with the keyboard's
    // selection, as the arrow keys do.
    const int next = FSwitchTo;
    button = next >= 0 && next < int(Buttons.size()) ? Buttons[size_t(next)].get() : nullptr;
    byKeyboard = FSwitchByKeyboard;
  }
  return shown;
}
