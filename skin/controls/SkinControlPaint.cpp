// The drawing routines every skinner shares: fills, element frames, the
// standard paint and erase, and one-line captions with or without an icon.
#include "host/Handles.h"
#include "skin/controls/SkinControl.h"
#include "skin/data/DataSkinObject.h"
#include "skin/data/WinSkinData.h"
#include "skin/draw/SkinPaint.h"
#include <commctrl.h>

namespace {
bool Inverted(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }
int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

// The text's extent when drawn with flags into r, at r's top-left.
RECT Measure(HDC dc, const std::wstring& text, RECT r, UINT flags) {
  DrawTextW(dc, text.c_str(), int(text.size()), &r, flags | DT_CALCRECT);
  return r;
}

HFONT PlainFont(TCanvas& canvas) {
  canvas.Font().SetStyle(0);
  return canvas.Font().Handle();
}

// Transparent text in the canvas's font, never bold or italic.
class TCaptionText {
public:
  explicit TCaptionText(TCanvas& canvas)
      : FDC(canvas.Handle()), FFont(FDC, PlainFont(canvas)), FMode(SetBkMode(FDC, TRANSPARENT)) {}
  ~TCaptionText() { SetBkMode(FDC, FMode); }
  TCaptionText(const TCaptionText&) = delete;
  TCaptionText& operator=(const TCaptionText&) = delete;

private:
  HDC FDC;
  TSelectObject FFont;
  int FMode;
};

COLORREF TextColour(TCanvas& canvas, bool enabled) {
  return ColorToRGB(enabled ? canvas.Font().GetColor() : clBtnShadow);
}
}  // namespace

void CopyBitmap(const TBitmap& Source, TBitmap& Destination) { Destination.Assign(Source); }

void FillColor(HDC DC, const RECT& Rect, TColor Colour) {
  TBrushHandle brush(CreateSolidBrush(ColorToRGB(Colour)));
  FillRect(DC, &Rect, brush.Get());
}

void FrameColor(HDC DC, const RECT& Rect, TColor Colour) {
  TBrushHandle brush(CreateSolidBrush(ColorToRGB(Colour)));
  FrameRect(DC, &Rect, brush.Get());
}

void UseSkinTextColour(HDC DC, const TSkinData& SkinData) {
  if (!SkinData.ColourGiven[scWindowText]) return;
  const COLORREF text = GetTextColor(DC);
  if (text != GetSysColor(COLOR_WINDOWTEXT) && text != GetSysColor(COLOR_BTNTEXT)) return;
  SetTextColor(DC, ColorToRGB(SkinData.SkinColours[scWindowText]));
}

bool Borderless(HWND Handle, const RECT& Whole, int Margin) {
  RECT client;
  GetClientRect(Handle, &client);
  return client.right + Margin >= Whole.right - Whole.left || client.bottom + Margin >= Whole.bottom - Whole.top;
}

void FrameBorderedWindow(HWND Handle, HDC DC, const RECT& Rect, TColor Shadow) {
  if (Borderless(Handle, Rect, 0)) return;
  FrameColor(DC, Rect, Shadow);
  RECT inner = Rect;
  InflateRect(&inner, -1, -1);
  FrameColor(DC, inner, clWhite);
}

void DrawElement(HDC DC, const RECT& Rect, int FrameCount, int FrameIndex, const TDataSkinObject& Element) {
  if (Inverted(Rect) || !HasImage(&Element)) return;
  DrawSkinElement(DC, Rect, *Element.Image, SkinMargins(Element), false, Element.Tile == 1, Element.Trans == 1,
                  FrameCount, FrameIndex);
}

void DrawStripFrame(HDC DC, const RECT& Rect, int FrameCount, int FrameIndex, TBitmap& Bitmap) {
  if (Inverted(Rect) || Bitmap.Empty()) return;
  DrawFrameStretched(DC, Rect, Bitmap, true, FrameCount, FrameIndex);
}

void HandlePaint(TSkinControl& Skinner, TMessage& Message) {
  const HWND wnd = Skinner.WindowHandle();
  std::unique_ptr<TPaintDC> paint;
  HDC dc = HDC(Message.WParam);
  if (!dc) {
    paint = std::make_unique<TPaintDC>(wnd);
    dc = paint->Get();
  }
  RECT r;
  if (dc && GetWindowRect(wnd, &r)) Skinner.PaintControl(dc, {0, 0, Width(r), Height(r)});
  Message.Result = 0;
}

void HandleEraseBkgnd(TSkinControl& Skinner, TMessage& Message) {
  const HDC dc = HDC(Message.WParam);
  if (Skinner.Control()) {
    PaintControlToDC(*Skinner.Control(), dc);
  } else {
    RECT r;
    GetClientRect(Skinner.WindowHandle(), &r);
    Skinner.FillParentColor(dc, r);
  }
  Message.Result = 1;
}

void DrawCaption(TSkinControl& Skinner, TCanvas& Canvas, const RECT& Rect, UINT Alignment, bool Enabled,
                 const std::wstring& Text) {
  const UINT flags = Alignment | DT_EXPANDTABS;
  TCaptionText caption(Canvas);
  const HDC dc = Canvas.Handle();
  RECT t = Measure(dc, Text, Rect, flags | DT_NOCLIP);
  const int dy = (Height(Rect) - Height(t)) / 2 - 1;
  if (Alignment & DT_CENTER) {
    OffsetRect(&t, (Width(Rect) - Width(t)) / 2, dy);
  } else {
    OffsetRect(&t, 0, dy);
    t.left = Rect.left;
    t.right = Rect.right;
  }
  const COLORREF old = SetTextColor(dc, TextColour(Canvas, Enabled));
  DrawTextW(dc, Text.c_str(), int(Text.size()), &t, BiDiTextFlags(Skinner, flags));
  SetTextColor(dc, old);
}

void DrawImageText(TSkinControl& Skinner, TCanvas& Canvas, const RECT& Rect, int Alignment, const std::wstring& Text,
                   int ImageIndex, HIMAGELIST ImageList, bool Enabled, UINT TextFlags) {
  int iw = 0, ih = 0;
  if (ImageList) ImageList_GetIconSize(ImageList, &iw, &ih);
  const bool image = ImageIndex != -1 && ImageList && iw < Width(Rect);
  if (!image) iw = ih = 0;
  const HDC dc = Canvas.Handle();
  TCaptionText caption(Canvas);
  RECT t = Rect;
  if (image) t.right += iw + 2;
  if (Text.empty())
    t.right = t.left;
  else
    t = Measure(dc, Text, t, TextFlags | DT_NOCLIP);
  int x = Alignment == 0   ? 3
          : Alignment == 1 ? (Width(Rect) - iw - Width(t)) / 2
                           : Width(Rect) - iw - Width(t) - 2;
  if (x < 2) x = 1;
  if (image)
    ImageList_Draw(ImageList, ImageIndex, dc, Rect.left + x, Rect.top + (Height(Rect) - ih) / 2, ILD_TRANSPARENT);
  if (Text.empty()) return;
  OffsetRect(&t, x + iw, (Height(Rect) - Height(t)) / 2);
  t.left = std::max(t.left, Rect.left);
  t.right = std::min(t.right, Rect.right);
  const COLORREF old = SetTextColor(dc, TextColour(Canvas, Enabled));
  DrawTextW(dc, Text.c_str(), int(Text.size()), &t, BiDiTextFlags(Skinner, TextFlags));
  SetTextColor(dc, old);
}
