// Popup menus of a skinned form, and its skinned system menu, drawn from the
// skin: while skinned, their items get the skin's draw and measure handlers,
// which unskinning takes off again.
#include "skin/data/WinSkinData.h"
#include "skin/form/ControlDiscovery.h"
#include "skin/form/MenuItemPaint.h"
#include "skin/form/WinSkinForm.h"
#include "skin/form/WinSkinMenu.h"
#include "skin/manager/SkinManage.h"

namespace {
// The skin's handlers, told apart from a program's own by their types.
struct TSkinPopupDraw {
  TWinSkinForm* Skinner;
  TPopupMenu* Popup;
  void operator()(TMenuItem* item, HDC dc, const RECT& r, bool selected) const {
    Skinner->DrawPopupItem(Popup->Handle(), *item, dc, r, selected);
  }
};
// An item of a main menu shown as a popup: the native menu holding it is
// its parent's.
struct TSkinTreeDraw {
  TWinSkinForm* Skinner;
  void operator()(TMenuItem* item, HDC dc, const RECT& r, bool selected) const {
    Skinner->DrawPopupItem(item->Parent() ? item->Parent()->Handle() : nullptr, *item, dc, r, selected);
  }
};
struct TSkinPopupMeasure {
  TWinSkinForm* Skinner;
  void operator()(TMenuItem* item, HDC dc, int& width, int& height) const {
    Skinner->MeasurePopupItem(*item, dc, width, height);
  }
};

void SkinItem(TMenuItem& item, const TMenuDrawItemEvent& draw, TWinSkinForm* skinner) {
  if (!item.OnDrawItem) item.OnDrawItem = draw;
  if (!item.OnMeasureItem) item.OnMeasureItem = TSkinPopupMeasure{skinner};
}

// Takes the skin's handlers off the item; true when the program still draws it.
bool UnskinItem(TMenuItem& item) {
  if (item.OnDrawItem.target<TSkinPopupDraw>() || item.OnDrawItem.target<TSkinTreeDraw>()) item.OnDrawItem = nullptr;
  if (item.OnMeasureItem.target<TSkinPopupMeasure>()) item.OnMeasureItem = nullptr;
  return bool(item.OnDrawItem);
}

void UnskinItems(TPopupMenu& popup) {
  bool programDrawn = false;
  for (int i = 0; i < popup.Items.Count(); ++i) programDrawn = UnskinItem(*popup.Items.Items(i)) || programDrawn;
  // Items without a painter would show blank.
  if (!programDrawn) popup.OwnerDraw = false;
}

template <class F>
void ForEachItemBelow(const TMenuItem& parent, F& f) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem& item = *parent.Items(i);
    f(item);
    ForEachItemBelow(item, f);
  }
}
// Every item of a main menu below its top level, depth first.
template <class F>
void ForEachSubItem(const TMenuItem& root, F f) {
  for (int i = 0; i < root.Count(); ++i) ForEachItemBelow(*root.Items(i), f);
}
}  // namespace

void TWinSkinForm::UnskinPopupItems(TPopupMenu& popup) { UnskinItems(popup); }

void TWinSkinForm::MakeMenuFonts() {
  if (MenuFont) return;
  MenuFont.Reset(CreateMenuFont(false));
  BoldMenuFont.Reset(CreateMenuFont(true));
}

void TWinSkinForm::SkinPopupItems(TPopupMenu& popup) {
  MakeMenuFonts();
  popup.OwnerDraw = true;
  for (int i = 0; i < popup.Items.Count(); ++i) SkinItem(*popup.Items.Items(i), TSkinPopupDraw{this, &popup}, this);
}

void TWinSkinForm::SkinMenuTree(TMainMenu& menu) {
  if (!FrameSkinned || (MenuBar && MenuBar->MainMenu == &menu)) return;
  MakeMenuFonts();
  menu.OwnerDraw = true;
  ForEachSubItem(menu.Items, [this](TMenuItem& item) { SkinItem(item, TSkinTreeDraw{this}, this); });
  // The native items are made owner-drawn with it.
  menu.Rebuild();
}

void TWinSkinForm::UnskinMenuTree(TMainMenu& menu) {
  bool skinned = false, programDrawn = false;
  ForEachSubItem(menu.Items, [&](TMenuItem& item) {
    skinned = skinned || item.OnDrawItem.target<TSkinTreeDraw>();
    programDrawn = UnskinItem(item) || programDrawn;
  });
  if (!skinned) return;
  if (!programDrawn) menu.OwnerDraw = false;
  menu.Rebuild();
}

void TWinSkinForm::SkinMenuItems(TMenu& menu, bool on) {
  if (auto* popup = dynamic_cast<TPopupMenu*>(&menu))
    on ? SkinPopupItems(*popup) : UnskinPopupItems(*popup);
  else if (auto* tree = dynamic_cast<TMainMenu*>(&menu))
    on ? SkinMenuTree(*tree) : UnskinMenuTree(*tree);
}

void TWinSkinForm::UnskinCarriedMenus() {
  if (!Form) return;
  for (TComponent* c : Form->Components())
    if (TMainMenu* menu = CarriedMenu(*c)) UnskinMenuTree(*menu);
}

void TWinSkinForm::SkinFormPopups(bool on) {
  // The system menu may still be open while the skin lets go: it must not
  // paint with the skin (or its glyphs) any more, which may be freed next.
  if (!on && SysMenuPopup) {
    UnskinItems(*SysMenuPopup);
    SysMenuPopup->Images = nullptr;
  }
  if (!on) UnskinCarriedMenus();
  if (!Form || !SkinData) return;
  for (TComponent* c : Form->Components()) {
    auto* popup = dynamic_cast<TPopupMenu*>(c);
    if (!popup) continue;
    if (!on)
      UnskinItems(*popup);
    else if (popup->GetTag() != SkinData->GetDisableTag())
      SkinPopupItems(*popup);
  }
}

void TWinSkinForm::DrawPopupItem(HMENU holder, TMenuItem& item, HDC dc, const RECT& r, bool selected) {
  TBitmap* frame = nullptr;
  if (SkinManager && holder) {
    SkinManager->AssignMenuToPopup(holder);
    frame = SkinManager->FindPopupBitmap(holder);
  }
  DrawMenuItem(dc, r, *SkinData, MenuFont.Get(), BoldMenuFont.Get(), ItemLook(item, selected, RightToLeft), frame);
}

void TWinSkinForm::MeasurePopupItem(TMenuItem& item, HDC dc, int& width, int& height) {
  const SIZE size = MeasureMenuItem(dc, MenuFont.Get(), *SkinData, ItemLook(item, false, RightToLeft));
  width = size.cx;
  height = size.cy;
}
