// Drop-down menu items drawn from the skin: the background the popup's
// skinned frame shows behind the item, the "MenuItem" element's frame for
// the item's state, its image or a check mark or radio dot, the caption and
// the shortcut; mirrored for right-to-left menus.
#pragma once
#include "host/Bitmap.h"
#include "host/ImgList.h"
#include "host/Menus.h"
#include <string>
#include <windows.h>

class TSkinData;

// What one item shows.
struct TMenuItemLook {
  std::wstring Caption;   // with "&" before the accelerator
  std::wstring ShortCut;  // right-aligned, may be empty
  bool Separator = false;
  bool Selected = false;
  bool Disabled = false;
  bool Checked = false;
  bool Radio = false;
  bool Default = false;  // bold
  // The picture ImageIndex of Images; none when the index is outside it.
  // The list's width sets the glyph column even for items without one.
  const TImageList* Images = nullptr;
  int ImageIndex = -1;
  // Mirrored: the glyph at the right, the caption right-aligned and read
  // right to left, the shortcut at the left.
  bool RightToLeft = false;
};

// The menu holding the item the system names by id (its identifier, or for
// an item with a sub-menu that sub-menu's handle), at or below menu.
bool FindMenuItem(HMENU menu, UINT id, HMENU& holder, int& position);
// The item at the position, in the state the system gives (ODS_ bits).
TMenuItemLook NativeItemLook(HMENU menu, int position, UINT drawState);

// The frames of the "MenuItem" strip.
enum TMenuItemFrame { mfNormal = 1, mfSeparator = 2, mfDisabled = 3, mfSelected = 4, mfHot = 5 };
// Room beside the caption for a check mark or an image, unless the item's
// image list is of another width.
constexpr int kMenuGlyphSize = 16;

// A class-library item as it shows, with its menu's images.
TMenuItemLook ItemLook(const TMenuItem& item, bool selected, bool rightToLeft);
// The system's menu font, or its bold cut.
HFONT CreateMenuFont(bool bold);

SIZE MeasureMenuItem(HDC dc, HFONT font, const TSkinData& skin, const TMenuItemLook& item);
// popupFrame: the picture of the popup window showing the item, or null.
void DrawMenuItem(HDC dc, const RECT& r, const TSkinData& skin, HFONT font, HFONT boldFont, const TMenuItemLook& item,
                  TBitmap* popupFrame);
