// Menus of the class library: items with captions, tags, images and click
// handlers, the popup menu that shows them at a screen point, and the main
// menu a form shows as its menu bar.
#pragma once
#include "host/Classes.h"
#include "host/Controls.h"
#include "host/Handles.h"
#include "host/TypInfo.h"
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include <windows.h>

// The form's main menu was made again: the form gives its window the new one.
constexpr UINT CM_MENUCHANGED = CM_BASE + 0x15;

class TImageList;
class TMenu;
class TMenuItem;
// An owner-drawn item paints itself (Selected: under the pointer or the
// keyboard) and says its size.
using TMenuDrawItemEvent = std::function<void(TMenuItem* Sender, HDC DC, const RECT& Rect, bool Selected)>;
using TMenuMeasureItemEvent = std::function<void(TMenuItem* Sender, HDC DC, int& Width, int& Height)>;

class TMenuItem : public TComponent {
public:
  explicit TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

  std::wstring Caption;  // "-" makes a separator
  std::wstring ShortCutText;
  bool Enabled = true;
  bool Checked = false;
  bool RadioItem = false;  // checked with a dot instead of a tick
  bool Default = false;    // shown in bold
  bool Visible = true;
  int ImageIndex = -1;
  TNotifyEvent OnClick;
  TMenuDrawItemEvent OnDrawItem;
  TMenuMeasureItemEvent OnMeasureItem;

  bool IsLine() const { return Caption == L"-"; }
  void Click();

  // Sub-items, owned by this item.
  TMenuItem* Add(const std::wstring& caption, int tag);
  void Clear() { FItems.clear(); }
  int Count() const { return int(FItems.size()); }
  TMenuItem* Items(int index) const { return FItems.at(size_t(index)).get(); }
  TMenuItem* Parent() const { return FParent; }
  // The menu the item is in, through its parents; null for a loose item.
  TMenu* GetParentMenu() const;
  // The menu's images, which ImageIndex picks from; null when it has none.
  TImageList* GetImageList() const;

  // What the window's WM_COMMAND carries for the item while its main menu
  // is made, else 0.
  UINT Command() const { return FCommand; }
  // The native popup of the sub-items while the main menu is made, else null.
  HMENU Handle() const { return FHandle; }
  // This item or one below it with the command, or the popup.
  TMenuItem* Find(UINT command);
  TMenuItem* FindByHandle(HMENU popup);

private:
  friend class TMainMenu;
  friend class TMenu;
  std::vector<std::unique_ptr<TMenuItem>> FItems;
  TMenuItem* FParent = nullptr;
  TMenu* FMenu = nullptr;  // set on a menu's top item only
  UINT FCommand = 0;
  HMENU FHandle = nullptr;  // destroyed with the main menu's handle
};

// What the main menu and the popup menu share: their items and the images
// the items show.
class TMenu : public TComponent {
public:
  TMenuItem Items;
  TImageList* Images = nullptr;  // not owned
  // Items drawn by their OnDrawItem and sized by their OnMeasureItem instead
  // of by the system (the window tracking the menu passes the messages on,
  // see below); a main menu's take effect when its native menu is made.
  bool OwnerDraw = false;

protected:
  explicit TMenu(TComponent* AOwner) : TComponent(AOwner), Items(nullptr) { Items.FMenu = this; }
};

// The menu bar of a form. Its native menu is made from the items on first
// use and again by Rebuild; commands are numbered from 1 in item order.
class TMainMenu : public TMenu {
public:
  explicit TMainMenu(TComponent* AOwner) : TMenu(AOwner) {}
  ~TMainMenu() override;

  HMENU Handle();
  bool Owns(HMENU menu) const { return menu && FHandle.Get() == menu; }
  // The items changed: the native menu is made again and the window told
  // with CM_MENUCHANGED, so that it shows the new one.
  void Rebuild();
  // The window showing the menu; set by the form.
  void SetWindow(HWND window) { FWindow = window; }
  TMenuItem* FindItem(UINT command) { return command ? Items.Find(command) : nullptr; }
  // Runs the item's OnClick; false when no enabled item has the command.
  bool DispatchCommand(UINT command);
  // Shows a top item's sub-items as a popup at a screen point, its messages
  // going to window, and runs the chosen item's OnClick once it has closed;
  // false when nothing was chosen. A tool bar shows its menu this way.
  bool Popup(TMenuItem& top, int x, int y, HWND window);

private:
  void AppendItems(HMENU menu, TMenuItem& parent, UINT& next);
  TMenuHandle FHandle;
  HWND FWindow = nullptr;
};

class TPopupMenu : public TMenu {
public:
  explicit TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}

  // The window that receives the menu's messages while it is open; the
  // application window when none is set.
  HWND Window = nullptr;

  // Shows the items at a screen point and runs the clicked item's OnClick
  // once the menu has closed; false when nothing was chosen.
  bool Popup(int x, int y);
  // The menu being shown, for the duration of Popup.
  HMENU Handle() const { return FHandle; }

private:
  HMENU FHandle = nullptr;
};

// WM_MEASUREITEM or WM_DRAWITEM of an item of an open owner-drawn popup
// menu (or main menu shown as a popup), from the window that tracks it: the
// item's handler answers. False when the message is for no such item (a
// control's, or another menu's).
bool DispatchPopupOwnerDraw(UINT msg, WPARAM wparam, LPARAM lparam);
