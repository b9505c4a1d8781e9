#include "skin/controls/SkinHeader.h"
#include "host/Handles.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/NineSlice.h"
#include <windowsx.h>

DEFINE_CLASS_INFO(TSkinHeader, TSkinControl, {})

namespace {
int Width(const RECT& r) { return r.right - r.left; }

// The column's alignment as DrawImageText takes it.
int ColumnAlignment(int format) {
  switch (format & HDF_JUSTIFYMASK) {
    case HDF_RIGHT: return 2;
    case HDF_CENTER: return 1;
    default: return 0;
  }
}
}  // namespace

void DrawSortArrow(HDC DC, const RECT& Cell, bool Up, TColor Colour) {
  const int w = kSortArrowWidth, h = w / 2 + 1;
  const int x = Cell.right - w - 6, y = Cell.top + (Cell.bottom - Cell.top - h) / 2;
  if (x < Cell.left) return;
  const POINT up[3] = {{x, y + h - 1}, {x + w - 1, y + h - 1}, {x + w / 2, y}};
  const POINT down[3] = {{x, y}, {x + w - 1, y}, {x + w / 2, y + h - 1}};
  TBrushHandle brush(CreateSolidBrush(ColorToRGB(Colour)));
  TPenHandle pen(CreatePen(PS_SOLID, 1, ColorToRGB(Colour)));
  TSelectObject b(DC, brush.Get()), p(DC, pen.Get());
  Polygon(DC, Up ? up : down, 3);
}

void TSkinHeader::AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas) {
  TSkinControl::AttachControl(Form, SkinData, OwnsColor, Canvas);
  FHotItem = -1;
}

void TSkinHeader::AttachWindow(HWND Handle, TSkinData* SkinData, TSkinnerHost* Form, TCanvas* Canvas) {
  TSkinControl::AttachWindow(Handle, SkinData, Form, Canvas);
  FHotItem = -1;
}

void TSkinHeader::Detach() { DetachAndRepaint(); }

bool TSkinHeader::HasHeaderbar() const {
  return HasImage(FSkinData->Headerbar.get());
}

bool TSkinHeader::BeforeMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      if (!HasHeaderbar()) return true;
      HandlePaint(*this, Message);
      return false;
    case WM_ERASEBKGND:
      if (!HasHeaderbar()) return true;
      Message.Result = 1;
      return false;
    default:
      return TSkinControl::BeforeMessage(Message);
  }
}

void TSkinHeader::AfterMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOUSEMOVE: {
      const POINT p{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
      // Between columns nothing changes: the last column entered stays hot.
      for (size_t i = 0; i < FItemRects.size(); ++i) {
        if (PtInRect(&FItemRects[i], p) && int(i) != FHotItem) {
          FHotItem = int(i);
          Refresh();
        }
      }
      SkinTrackMouseLeave(FHandle);
      break;
    }
    case WM_MOUSELEAVE:
      FHotItem = -1;
      Refresh();
      break;
    default:
      TSkinControl::AfterMessage(Message);
      break;
  }
}

void TSkinHeader::PaintControl(HDC DC, const RECT& Rect) {
  if (!HasHeaderbar()) return;
  const TDataSkinObject& bar = *FSkinData->Headerbar;
  TBitmap picture(Width(Rect), Rect.bottom - Rect.top);
  const HDC pdc = picture.Canvas().Handle();
  TSelectObject font(pdc, HFONT(SendMessageW(FHandle, WM_GETFONT, 0, 0)));
  SetBkMode(pdc, TRANSPARENT);
  FEnabled = true;
  const HIMAGELIST images = HIMAGELIST(SendMessageW(FHandle, HDM_GETIMAGELIST, 0, 0));
  const int count = std::max(0, int(SendMessageW(FHandle, HDM_GETITEMCOUNT, 0, 0)));
  FItemRects.assign(size_t(count), RECT{});
  int right = 0;
  for (int i = 0; i < count; ++i) {
    RECT column;
    if (!SendMessageW(FHandle, HDM_GETITEMRECT, WPARAM(i), LPARAM(&column))) continue;
    PaintColumn(picture, i, column, images);
    FItemRects[size_t(i)] = column;
    InflateRect(&FItemRects[size_t(i)], -3, 0);
    right = std::max(right, int(column.right));
  }
  if (right < Rect.right) {
    const RECT rest{right, Rect.top, Rect.right, Rect.bottom};
    if (auto filler = ComposeNineSlice(rest, *bar.Image, SkinMargins(bar), false, bar.Tile == 1, bar.FrameCount, hfNormal))
      BitBlt(pdc, right, 0, filler->Width(), filler->Height(), filler->Canvas().Handle(), 0, 0, SRCCOPY);
  }
  BitBlt(DC, Rect.left, Rect.top, picture.Width(), picture.Height(), pdc, 0, 0, SRCCOPY);
}

void TSkinHeader::PaintColumn(TBitmap& Target, int Index, const RECT& Column, HIMAGELIST Images) {
  const TDataSkinObject& bar = *FSkinData->Headerbar;
  wchar_t text[201] = {};
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
  item.pszText = text;
  item.cchTextMax = 201;
  SendMessageW(FHandle, HDM_GETITEMW, WPARAM(Index), LPARAM(&item));
  const RECT cell{0, 0, Width(Column), Column.bottom - Column.top};
  auto frame = ComposeNineSlice(cell, *bar.Image, SkinMargins(bar), false, bar.Tile == 1, bar.FrameCount,
                                Index == FHotItem ? hfHot : hfNormal);
  if (!frame) return;
  if (text[0]) {
    TCanvas& canvas = frame->Canvas();
    canvas.Font().AssignHandle(HFONT(SendMessageW(FHandle, WM_GETFONT, 0, 0)));
    if (FSkinData->ColourGiven[scWindowText]) canvas.Font().SetColor(FSkinData->SkinColours[scWindowText]);
    const int image = item.fmt & (HDF_IMAGE | HDF_OWNERDRAW) ? item.iImage : -1;
    DrawImageText(*this, canvas, cell, ColumnAlignment(item.fmt), text, image, Images, true,
                  DT_END_ELLIPSIS | DT_EXPANDTABS);
  }
  if (item.fmt & (HDF_SORTUP | HDF_SORTDOWN))
    DrawSortArrow(frame->Canvas().Handle(), cell, item.fmt & HDF_SORTUP, frame->Canvas().Font().GetColor());
  BitBlt(Target.Canvas().Handle(), Column.left, Column.top, frame->Width(), frame->Height(),
         frame->Canvas().Handle(), 0, 0, SRCCOPY);
}
