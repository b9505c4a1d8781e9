// The skinned menu bar of a form skinner: the window's own menu bar is taken
// off and kept, and one button per top-level item is painted from the skin
// in the strip under the title. A button opens its drop-down itself; while
// one is open, the arrow keys and the mouse move along the bar.
#pragma once
#include "host/Bitmap.h"
#include "host/Handles.h"
#include "host/Menus.h"
#include "skin/form/MenuItemPaint.h"
#include "skin/form/WinSysButton.h"
#include <memory>
#include <string>
#include <vector>

class TSkinData;
class TWinSkinMenu;

// One top-level item of the bar.
class TMenuBtn : public TNCObject {
public:
  TMenuBtn(TWinSkinForm* owner, TWinSkinMenu& bar) : TNCObject(owner), Bar(bar) {}
  // Pressed, then its drop-down opens.
  void MouseDown() override;
  // Hover and press feedback straight on the window.
  void Paint() override;

  TWinSkinMenu& Bar;
  TMenuItem* Item = nullptr;  // the class-library item, when there is one
  int Index = 0;
  std::wstring Caption;
  bool ItemEnabled = true;
  HMENU SubMenu = nullptr;
  UINT Command = 0;
};

class TWinSkinMenu {
public:
  TWinSkinMenu(TWinSkinForm& owner, TSkinData& skinData, TMainMenu* mainMenu);
  ~TWinSkinMenu();
  TWinSkinMenu(const TWinSkinMenu&) = delete;
  TWinSkinMenu& operator=(const TWinSkinMenu&) = delete;

  // Buttons from the window's menu (and the class-library items with the
  // same commands); the form skinner takes the menu off the window.
  void Rebuild();
  // The menu given to the window while skinned, by a program or an MDI
  // child: it becomes the kept menu.
  void TakeMenu(HMENU menu);
  // The button rectangles, without painting.
  void Layout();
  // The whole bar into the window's DC.
  void PaintBar(HDC dc);
  // The first button with a caption under the point (window coordinates).
  TMenuBtn* ItemAt(POINT window);
  // Opens the button's drop-down and follows the keyboard and the mouse
  // until no drop-down of the bar is open; whether one was shown.
  bool OpenMenuButton(TMenuBtn* button, bool byKeyboard = false);
  // The first visible, enabled button whose caption has the accelerator.
  TMenuBtn* ButtonByAccel(wchar_t key);
  // The drop-down of a bar button is open.
  bool Tracking() const { return FOpenIndex >= 0; }
  // The button whose drop-down is open, -1 when none.
  int OpenIndex() const { return FOpenIndex; }
  // The window heard WM_MENUSELECT: where the keyboard is in the drop-down.
  void MenuSelect(UINT flags, HMENU menu);
  // The window's WM_MEASUREITEM and WM_DRAWITEM for the items of an open
  // drop-down; false for anything else.
  bool MeasureItem(MEASUREITEMSTRUCT& item);
  bool DrawItem(const DRAWITEMSTRUCT& item);
  // Every item the bar made owner-drawn is drawn by the system again.
  void GiveItemsBack();

  TWinSkinForm& Owner;
  TSkinData& SkinData;
  TMainMenu* MainMenu;
  std::vector<std::unique_ptr<TMenuBtn>> Buttons;
  RECT BarRect{};         // window coordinates, where the bar was last painted
  TBitmap BarBackground;  // the painted background, for repainting one button
  // The window's menu, given back when the skin lets the window go.
  HMENU NativeMenu = nullptr;
  HFONT Font() const { return FFont.Get(); }
  // A button's caption in its colour, in the DC's font and background mode.
  void PaintCaption(HDC dc, const TMenuBtn& button) const;
  // The bar's place in the window now (window coordinates).
  RECT CurrentBarRect() const;

private:
  friend LRESULT CALLBACK MenuBarMsgFilter(int code, WPARAM wparam, LPARAM lparam);
  // From the hook: the back arrow closes the selected item's sub-menu.
  void SubMenuClosing(HMENU dropDown);
  // From the hook: another button's drop-down is wanted.
  void SwitchTo(int index, bool byKeyboard);
  // The next button along the bar (step +1 or -1, round the ends) whose
  // drop-down can open; the open one when there is none.
  int NextOpenable(int step) const;
  int StartOffset() const;
  // A maximized MDI child's minimize, restore and close buttons, in the bar.
  void PaintChildButtons(HDC dc);
  // The menu's items, and those of its sub-menus, drawn by the skin; each
  // one changed is remembered for GiveItemsBack.
  void MakeOwnerDrawn(HMENU menu);
  // Whether the item the system names by id, in the open drop-down, is
  // drawn by the skin; where it is.
  bool SkinDraws(UINT id, HMENU& holder, int& position) const;
  // How the item at the position of the open drop-down shows.
  TMenuItemLook DropDownItemLook(HMENU holder, int position, UINT drawState) const;

  TFontHandle FFont;
  TFontHandle FBoldFont;
  struct TOwnerDrawn {
    HMENU Menu;
    UINT Position;
  };
  std::vector<TOwnerDrawn> FOwnerDrawn;
  int FOpenIndex = -1;
  int FSwitchTo = -1;
  bool FSwitchByKeyboard = false;
  POINT FLastMouse{-1, -1};
  bool FByKeyboard = false;  // the first item is selected at once
  bool* FGone = nullptr;     // set when the bar is freed while tracking
  bool FSelectedOpens = false;       // the selected item has a sub-menu
  HMENU FSelectedIn = nullptr;       // the menu holding the selected item
};
