// Menus of the class library: items with captions, tags, images and click
// handlers, and the popup menu that shows them at a screen point.
#pragma once
#include "host/Classes.h"
#include "host/Handles.h"
#include "host/TypInfo.h"
#include <memory>
#include <string>
#include <vector>
#include <windows.h>


class TMenuItem : public TComponent {
public:
  explicit TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

  std::wstring Caption;  // "-" makes a separator
  std::wstring ShortCutText;
  bool Enabled = true;
  bool Checked = false;
  int ImageIndex = -1;
  TNotifyEvent OnClick;

  bool IsLine() const { return Caption == L"-"; }
  void Click();

  // Sub-items, owned by this item.
  TMenuItem* Add(const std::wstring& caption, int tag);
  void Clear() { FItems.clear(); }
  int Count() const { return int(FItems.size()); }
  TMenuItem* Items(int index) const { return FItems.at(size_t(index)).get(); }

private:
  std::vector<std::unique_ptr<TMenuItem>> FItems;
};

class TPopupMenu : public TComponent {
public:
  explicit TPopupMenu(TComponent* AOwner) : TComponent(AOwner), Items(nullptr) {}

  TMenuItem Items;
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
