// Popup menus of a skinned form, and its skinned system menu, drawn from the
// skin: while skinned, their items get the skin's draw and measure handlers,
// which unskinning takes off again.
#include "skin/data/WinSkinData.h"
#include "skin/form/MenuItemPaint.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manager/SkinManage.h"

namespace {
// The skin's handlers, told apart from a program's own by their types.
struct TSkinPopupDraw {
  TWinSkinForm* Skinner;
  TPopupMenu* Popup;
  void operator()(TMenuItem* item, HDC dc, const RECT& r, bool selected) const {
    Skinner->DrawPopupItem(*Popup, *item, dc, r, selected);
  }
};
struct TSkinPopupMeasure {
  TWinSkinForm* Skinner;
  void operator()(TMenuItem* item, HDC dc, int& width, int& height) const {
    Skinner->MeasurePopupItem(*item, dc, width, height);
  }
};

void UnskinItems(TPopupMenu& popup) {
  bool programDrawn = false;
  for (int i = 0; i < popup.Items.Count(); ++i) {
    TMenuItem& item = *popup.Items.Items(i);
    if (item.OnDrawItem.target<TSkinPopupDraw>()) item.OnDrawItem = nullptr;
    if (item.OnMeasureItem.target<TSkinPopupMeasure>()) item.OnMeasureItem = nullptr;
    programDrawn = programDrawn || item.OnDrawItem;
  }
  // Items without a painter would show blank.
  if (!programDrawn) popup.OwnerDraw = false;
}
}  // namespace

void TWinSkinForm::UnskinPopupItems(TPopupMenu& popup) { UnskinItems(popup); }

void TWinSkinForm::SkinPopupItems(TPopupMenu& popup) {
  if (!MenuFont) {
    MenuFont.Reset(CreateMenuFont(false));
    BoldMenuFont.Reset(CreateMenuFont(true));
  }
  popup.OwnerDraw = true;
  for (int i = 0; i < popup.Items.Count(); ++i) {
    TMenuItem& item = *popup.Items.Items(i);
    if (!item.OnDrawItem) item.OnDrawItem = TSkinPopupDraw{this, &popup};
    if (!item.OnMeasureItem) item.OnMeasureItem = TSkinPopupMeasure{this};
  }
}

void TWinSkinForm::SkinFormPopups(bool on) {
  // The system menu may still be open while the skin lets go: it must not
  // paint with the skin (or its glyphs) any more, which may be freed next.
  if (!on && SysMenuPopup) {
    UnskinItems(*SysMenuPopup);
    SysMenuPopup->Images = nullptr;
  }
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

void TWinSkinForm::DrawPopupItem(TPopupMenu& popup, TMenuItem& item, HDC dc, const RECT& r, bool selected) {
  TBitmap* frame = nullptr;
  if (SkinManager && popup.Handle()) {
    SkinManager->AssignMenuToPopup(popup.Handle());
    frame = SkinManager->FindPopupBitmap(popup.Handle());
  }
  DrawMenuItem(dc, r, *SkinData, MenuFont.Get(), BoldMenuFont.Get(), ItemLook(item, selected, RightToLeft), frame);
}

void TWinSkinForm::MeasurePopupItem(TMenuItem& item, HDC dc, int& width, int& height) {
  const SIZE size = MeasureMenuItem(dc, MenuFont.Get(), *SkinData, ItemLook(item, false, RightToLeft));
  width = size.cx;
  height = size.cy;
}
