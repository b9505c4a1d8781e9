#include "skin/form/MenuItemPaint.h"
#include "host/Handles.h"
#include "skin/controls/SkinControl.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/DrawTransparent.h"
#include "skin/draw/NineSlice.h"
#include "skin/draw/ThreeSlice.h"
#include <algorithm>

namespace {
constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
// The popup window's skinned frame is this wide: items start inside it.
constexpr int kPopupFrame = 3;

int LeftRoom(const TSkinData& skin) { return HasImage(skin.MenuItem.get()) ? skin.MenuItem->LeftWidth : 0; }

SIZE TextSize(HDC dc, const std::wstring& text) {
  RECT r{};
  // An empty caption or a lone "&" still takes a line's height.
  const std::wstring measured = text.empty() || text == L"&" ? text + L" " : text;
  DrawTextWide(dc, measured, &r, DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE | DT_EXPANDTABS);
  return {r.right - r.left, r.bottom - r.top};
}

TColor TextColour(const TSkinData& skin, const TMenuItemLook& item) {
  if (item.Disabled) {
    const TColor shadow = skin.SkinColours[scButtonShadow];
    return shadow == skin.SkinColours[scMenuText] ? TColor(GetSysColor(COLOR_BTNSHADOW)) : shadow;
  }
  return skin.SkinColours[item.Selected ? scHilightText : scMenuText];
}

// A tick, or a dot for a radio item, in the text colour.
void DrawCheck(HDC dc, const RECT& box, bool radio, COLORREF colour) {
  const int cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
  if (radio) {
    TBrushHandle brush(CreateSolidBrush(colour));
    TSelectObject b(dc, brush.Get());
    TSelectObject p(dc, GetStockObject(NULL_PEN));
    Ellipse(dc, cx - 3, cy - 3, cx + 4, cy + 4);
    return;
  }
  TPenHandle pen(CreatePen(PS_SOLID, 2, colour));
  TSelectObject p(dc, pen.Get());
  const POINT tick[] = {{cx - 4, cy}, {cx - 1, cy + 3}, {cx + 4, cy - 3}};
  Polyline(dc, tick, 3);
}

// The separator frame's bottom rows, as many as the item is high, its ends
// at their own width and its middle stretched, keyed.
void DrawSeparator(HDC dc, const RECT& r, const TDataSkinObject& element) {
  TBitmap& image = *element.Image;
  const int frameWidth = image.Width() / std::max(1, element.FrameCount);
  const int rows = std::min<int>(image.Height(), r.bottom - r.top);
  TBitmap part(frameWidth, rows), line(r.right - r.left, rows);
  if (part.Empty() || line.Empty()) return;
  BitBlt(part.Canvas().Handle(), 0, 0, frameWidth, rows, image.Canvas().Handle(), frameWidth * (mfSeparator - 1),
         image.Height() - rows, SRCCOPY);
  DrawThreeSliceStretched(line.Canvas().Handle(), {0, 0, line.Width(), rows}, part,
                          {element.LeftWidth, 0, element.RightWidth, 0}, false, 1, 1);
  DrawTransparent(dc, {r.left, r.top, r.right, r.top + rows}, line, kSkinKeyColour);
}

bool HasItemImage(const TMenuItemLook& item) {
  return item.Images && item.ImageIndex >= 0 && item.ImageIndex < item.Images->Count();
}

// The glyph column's width: the image list's, but room for a check mark.
int GlyphSize(const TMenuItemLook& item) {
  const int listWidth = item.Images ? item.Images->Width() : 0;
  const int size = listWidth > 0 ? listWidth : kMenuGlyphSize;
  return item.Checked ? std::max(size, kMenuGlyphSize) : size;
}

// Beside the caption, inside the element's edge (mirrored for right to
// left), centred on the item's height as the caption is.
RECT GlyphBox(const RECT& r, const TSkinData& skin, const TMenuItemLook& item) {
  const int g = GlyphSize(item);
  const int left = item.RightToLeft ? r.right - 1 - LeftRoom(skin) - g : r.left + 1 + LeftRoom(skin);
  const int top = r.top + std::max(1, int(r.bottom - r.top - g) / 2);
  return {left, top, left + g, top + g};
}

// The pressed look of a checked item's image: button-face and highlight
// dots in a sunken edge.
void DrawCheckedImageBack(HDC dc, const RECT& box, const TSkinData& skin) {
  FillColor(dc, box, skin.SkinColours[scButtonFace]);
  const COLORREF dot = ColorToRGB(skin.SkinColours[scButtonHilight]);
  for (int y = box.top; y < box.bottom; ++y)
    for (int x = box.left + (y - box.top) % 2; x < box.right; x += 2) SetPixelV(dc, x, y, dot);
  RECT edge = box;
  DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
}

void DrawGlyph(HDC dc, const RECT& box, const TSkinData& skin, const TMenuItemLook& item, COLORREF colour) {
  if (HasItemImage(item)) {
    if (item.Checked) DrawCheckedImageBack(dc, box, skin);
    const TImageList& images = *item.Images;
    const int x = box.left + (box.right - box.left - images.Width()) / 2;
    const int y = box.top + (box.bottom - box.top - images.Height()) / 2;
    images.Draw(dc, x, y, item.ImageIndex, !item.Disabled);
  } else if (item.Checked) {
    DrawCheck(dc, box, item.Radio, colour);
  }
}

void DrawContent(HDC dc, const RECT& r, const TSkinData& skin, HFONT font, HFONT boldFont,
                 const TMenuItemLook& item) {
  const RECT box = GlyphBox(r, skin, item);
  const COLORREF colour = ColorToRGB(TextColour(skin, item));
  DrawGlyph(dc, box, skin, item, colour);
  TSelectObject f(dc, item.Default && boldFont ? boldFont : font);
  const int mode = SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  if (item.RightToLeft) {
    RECT text{r.left + 1, r.top, box.left - 3, r.bottom};
    DrawTextWide(dc, item.Caption, &text, kTextFormat | DT_RIGHT | DT_RTLREADING);
    RECT shortcut{r.left + 10, r.top, text.right, r.bottom};
    if (!item.ShortCut.empty()) DrawTextWide(dc, item.ShortCut, &shortcut, kTextFormat | DT_NOPREFIX);
  } else {
    RECT text{box.right + 3, r.top, r.right - 1, r.bottom};
    DrawTextWide(dc, item.Caption, &text, kTextFormat);
    RECT shortcut{text.left, r.top, r.right - 10, r.bottom};
    if (!item.ShortCut.empty()) DrawTextWide(dc, item.ShortCut, &shortcut, kTextFormat | DT_RIGHT | DT_NOPREFIX);
  }
  SetBkMode(dc, mode);
}
}  // namespace

TMenuItemLook ItemLook(const TMenuItem& item, bool selected, bool rightToLeft) {
  TMenuItemLook look;
  look.Caption = item.Caption;
  look.ShortCut = item.ShortCutText;
  look.Separator = item.IsLine();
  look.Selected = selected;
  look.Disabled = !item.Enabled;
  look.Checked = item.Checked;
  look.Radio = item.RadioItem;
  look.Default = item.Default;
  look.Images = item.GetImageList();
  look.ImageIndex = item.ImageIndex;
  look.RightToLeft = rightToLeft;
  return look;
}

HFONT CreateMenuFont(bool bold) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return nullptr;
  if (bold) metrics.lfMenuFont.lfWeight = FW_BOLD;
  return CreateFontIndirectW(&metrics.lfMenuFont);
}

bool FindMenuItem(HMENU menu, UINT id, HMENU& holder, int& position) {
  const int count = menu ? GetMenuItemCount(menu) : 0;
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info{sizeof info};
    info.fMask = MIIM_ID | MIIM_SUBMENU;
    if (!GetMenuItemInfoW(menu, UINT(i), TRUE, &info)) continue;
    const HMENU sub = info.hSubMenu;
    if (info.wID == id || (sub && UINT(UINT_PTR(sub)) == id)) {
      holder = menu;
      position = i;
      return true;
    }
    if (sub && FindMenuItem(sub, id, holder, position)) return true;
  }
  return false;
}

TMenuItemLook NativeItemLook(HMENU menu, int position, UINT drawState) {
  TMenuItemLook look;
  wchar_t text[256] = {};
  MENUITEMINFOW info{sizeof info};
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
  info.dwTypeData = text;
  info.cch = 255;
  if (menu && GetMenuItemInfoW(menu, UINT(position), TRUE, &info)) {
    const std::wstring all = text;
    const size_t tab = all.find(L'\t');
    look.Caption = all.substr(0, tab);
    if (tab != std::wstring::npos) look.ShortCut = all.substr(tab + 1);
    look.Separator = (info.fType & MFT_SEPARATOR) || all.empty();
    look.Radio = info.fType & MFT_RADIOCHECK;
    look.Default = info.fState & MFS_DEFAULT;
  }
  look.Selected = drawState & ODS_SELECTED;
  look.Disabled = drawState & (ODS_GRAYED | ODS_DISABLED);
  look.Checked = drawState & ODS_CHECKED;
  return look;
}

SIZE MeasureMenuItem(HDC dc, HFONT font, const TSkinData& skin, const TMenuItemLook& item) {
  if (item.Separator) return {LeftRoom(skin) + 10, 8};
  TSelectObject f(dc, font);
  const SIZE caption = TextSize(dc, item.Caption);
  const int shortcut = item.ShortCut.empty() ? 0 : TextSize(dc, item.ShortCut).cx + 20;
  const int glyph = GlyphSize(item);
  const int imageHeight = item.Images ? item.Images->Height() : 0;
  const int height = std::max({int(caption.cy) + 6, glyph + 4, imageHeight + 4});
  return {caption.cx + shortcut + LeftRoom(skin) + glyph + 4 + 10 + 25, height};
}

void DrawMenuItem(HDC dc, const RECT& r, const TSkinData& skin, HFONT font, HFONT boldFont, const TMenuItemLook& item,
                  TBitmap* popupFrame) {
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return;
  TBitmap picture(w, h);
  if (picture.Empty()) return;
  const HDC p = picture.Canvas().Handle();
  const RECT local{0, 0, w, h};
  const TDataSkinObject* element = skin.MenuItem.get();
  if (!HasImage(element)) {
    FillColor(p, local, skin.SkinColours[item.Selected && !item.Separator ? scHilight : scMenu]);
    if (item.Separator) {
      RECT line{0, 4, w, 6};
      DrawEdge(p, &line, EDGE_ETCHED, BF_TOP);
    }
  } else {
    // The popup's own picture behind the item, so items and frame are one.
    if (popupFrame && !popupFrame->Empty())
      BitBlt(p, 0, 0, w, h, popupFrame->Canvas().Handle(), r.left + kPopupFrame, r.top + kPopupFrame, SRCCOPY);
    else
      FillColor(p, local, skin.SkinColours[scMenu]);
    if (item.Separator)
      DrawSeparator(p, local, *element);
    else
      DrawSkinElement(p, local, *element->Image, SkinMargins(*element), false, element->Tile == 1, true,
                      std::max(1, element->FrameCount), item.Selected ? mfSelected : mfNormal);
  }
  if (!item.Separator) DrawContent(p, local, skin, font, boldFont, item);
  BitBlt(dc, r.left, r.top, w, h, p, 0, 0, SRCCOPY);
}
