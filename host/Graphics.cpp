#include "host/Graphics.h"
#include "host/Bitmap.h"
#include "host/Handles.h"
#include <algorithm>
#include <cwchar>

namespace {
// The raster operation that leaves the destination as it is.
constexpr DWORD kRopDestination = 0x00AA0029;

// Whether the DC draws into a bitmap of colours rather than palette indices:
// there, white is all bits set, so ANDing with it keeps a pixel as it is, and
// no step in between is ever seen on screen.
bool DirectColourBitmap(HDC dc) {
  if (GetObjectType(dc) != OBJ_MEMDC) return false;
  BITMAP bm{};
  return GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof bm, &bm) && bm.bmBitsPixel >= 15;
}

// The rows of a top-down 24- or 32-bit section that a memory DC draws into
// with device coordinates as they are: no origin, mapping or clipping.
struct TDirectPixels {
  uint8_t* Bits = nullptr;
  int Width = 0, Height = 0, Stride = 0, Bytes = 0;
};

// GetObject reports a section's height without its sign: the first pixel
// of its bits, changed for a moment, shows at (0, 0) only when its rows run
// from the top. Flushes first: what GDI still draws into the section lands
// before this write and the copy's.
bool RowsRunDown(HDC dc, uint8_t* bits) {
  GdiFlush();
  const COLORREF before = GetPixel(dc, 0, 0);
  bits[0] ^= 0xFF;
  const COLORREF after = GetPixel(dc, 0, 0);
  bits[0] ^= 0xFF;
  return before != after;
}

bool DirectPixels(HDC dc, TDirectPixels& to) {
  if (GetObjectType(dc) != OBJ_MEMDC) return false;
  DIBSECTION section{};
  if (GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof section, &section) != int(sizeof section)) return false;
  const BITMAP& bm = section.dsBm;
  if (!bm.bmBits || section.dsBmih.biCompression != BI_RGB ||
      (bm.bmBitsPixel != 24 && bm.bmBitsPixel != 32))
    return false;
  POINT viewport{}, window{};
  GetViewportOrgEx(dc, &viewport);
  GetWindowOrgEx(dc, &window);
  if (viewport.x || viewport.y || window.x || window.y || GetMapMode(dc) != MM_TEXT ||
      GetGraphicsMode(dc) != GM_COMPATIBLE)
    return false;
  TRegionHandle clip(CreateRectRgn(0, 0, 0, 0));
  if (GetClipRgn(dc, clip.Get()) != 0) return false;
  to = {static_cast<uint8_t*>(bm.bmBits), bm.bmWidth, bm.bmHeight, bm.bmWidthBytes, bm.bmBitsPixel / 8};
  return RowsRunDown(dc, to.Bits);
}

// A keyed copy straight between the sections' rows: no mask, no blits.
// Clipped as a blit is, to the target and to the image.
void CopyKeyed(const TDirectPixels& to, int x, int y, int w, int h, TBitmap& image, COLORREF key) {
  const int sourceBytes = image.PixelFormat() / 8;
  const int sx = x < 0 ? -x : 0, sy = y < 0 ? -y : 0;
  const int right = std::min({x + w, to.Width, x + image.Width()});
  const int bottom = std::min({y + h, to.Height, y + image.Height()});
  if (right <= x + sx || bottom <= y + sy) return;
  const uint8_t kb = GetBValue(key), kg = GetGValue(key), kr = GetRValue(key);
  // One ScanLine for all rows: each call flushes GDI.
  const uint8_t* const first = static_cast<const uint8_t*>(image.ScanLine(sy));
  for (int row = y + sy; row < bottom; ++row) {
    const uint8_t* from = first + size_t(row - y - sy) * image.BytesPerLine() + size_t(sx) * sourceBytes;
    uint8_t* out = to.Bits + size_t(row) * to.Stride + size_t(x + sx) * to.Bytes;
    for (int col = x + sx; col < right; ++col, from += sourceBytes, out += to.Bytes) {
      if (from[0] == kb && from[1] == kg && from[2] == kr) continue;
      out[0] = from[0];
      out[1] = from[1];
      out[2] = from[2];
      // A blit's copy: alpha from a 32-bit image, none from a 24-bit one.
      if (to.Bytes == 4) out[3] = sourceBytes == 4 ? from[3] : 0;
    }
  }
}
}  // namespace

COLORREF ColorToRGB(TColor c) { return c < 0 ? GetSysColor(c & 0xFF) : COLORREF(c); }

bool IdentToColor(const std::wstring& ident, TColor& c) {
  static const struct { const wchar_t* Name; TColor Value; } names[] = {
      {L"clBlack", 0x000000},   {L"clMaroon", 0x000080},  {L"clGreen", 0x008000},
      {L"clOlive", 0x008080},   {L"clNavy", 0x800000},    {L"clPurple", 0x800080},
      {L"clTeal", 0x808000},    {L"clGray", 0x808080},    {L"clSilver", 0xC0C0C0},
      {L"clRed", 0x0000FF},     {L"clLime", 0x00FF00},    {L"clYellow", 0x00FFFF},
      {L"clBlue", 0xFF0000},    {L"clFuchsia", 0xFF00FF}, {L"clAqua", 0xFFFF00},
      {L"clWhite", 0xFFFFFF},   {L"clNone", clNone},
      {L"clBtnFace", clBtnFace}, {L"clWindow", clWindow}, {L"clWindowText", clWindowText},
      {L"clBtnText", clBtnText}, {L"clBtnShadow", clSystemColor | COLOR_BTNSHADOW},
      {L"clBtnHighlight", clSystemColor | COLOR_BTNHIGHLIGHT},
      {L"clHighlight", clSystemColor | COLOR_HIGHLIGHT},
      {L"clHighlightText", clSystemColor | COLOR_HIGHLIGHTTEXT},
      {L"clMenu", clSystemColor | COLOR_MENU}, {L"clMenuText", clSystemColor | COLOR_MENUTEXT},
      {L"clGrayText", clSystemColor | COLOR_GRAYTEXT},
  };
  for (const auto& n : names)
    if (_wcsicmp(n.Name, ident.c_str()) == 0) { c = n.Value; return true; }
  wchar_t* end = nullptr;
  if (!ident.empty() && ident[0] == L'$') {
    c = TColor(wcstoul(ident.c_str() + 1, &end, 16));
    return end && *end == 0 && ident.size() > 1;
  }
  c = TColor(wcstol(ident.c_str(), &end, 10));
  return !ident.empty() && end && *end == 0;
}

DEFINE_CLASS_INFO(TFont, TPersistent,
  {StrProp("Name", &TFont::GetName, &TFont::SetName),
   IntProp("Height", &TFont::GetHeight, &TFont::SetHeight),
   TPropInfo{"Charset", [](TPersistent& o) { return TValue::Integer(static_cast<TFont&>(o).GetCharset()); },
             [](TPersistent& o, const TValue& v) {
               static const struct { const wchar_t* Name; int Value; } sets[] = {
                   {L"ANSI_CHARSET", ANSI_CHARSET}, {L"DEFAULT_CHARSET", DEFAULT_CHARSET},
                   {L"GB2312_CHARSET", GB2312_CHARSET}, {L"CHINESEBIG5_CHARSET", CHINESEBIG5_CHARSET}};
               int charset = int(v.Int);
               for (const auto& s : sets)
                 if (v.Kind == TValue::vkIdent && _wcsicmp(s.Name, v.Str.c_str()) == 0) charset = s.Value;
               static_cast<TFont&>(o).SetCharset(charset);
             }},
   ColorProp("Color", &TFont::GetColor, &TFont::SetColor),
   SetOfProp("Style", &TFont::SetStyle, {L"fsBold", L"fsItalic", L"fsUnderline", L"fsStrikeOut"})})

DEFINE_CLASS_INFO(TGraphic, TPersistent, {})

void TFont::Assign(const TFont& other) {
  FName = other.FName;
  FHeight = other.FHeight;
  FCharset = other.FCharset;
  FColor = other.FColor;
  FStyle = other.FStyle;
  Changed();
}

void TFont::AssignHandle(HFONT font) {
  LOGFONTW lf{};
  if (!GetObjectW(font ? HGDIOBJ(font) : GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf)) return;
  FName = lf.lfFaceName;
  FHeight = lf.lfHeight;
  FCharset = lf.lfCharSet;
  FStyle = (lf.lfWeight >= FW_BOLD ? 1u << fsBold : 0) | (lf.lfItalic ? 1u << fsItalic : 0) |
           (lf.lfUnderline ? 1u << fsUnderline : 0) | (lf.lfStrikeOut ? 1u << fsStrikeOut : 0);
  Changed();
}

void TFont::Changed() {
  FHandle.Reset();
  if (OnChange) OnChange();
}

HFONT TFont::Handle() const {
  if (!FHandle) {
    LOGFONTW lf{};
    lf.lfHeight = FHeight;
    // "MS Sans Serif" is a raster font whose smallest face is 8 points (11
    // pixels); smaller requests always got that face, and layouts rely on it.
    if (_wcsicmp(FName.c_str(), L"MS Sans Serif") == 0 && FHeight < 0 && FHeight > -11) lf.lfHeight = -11;
    lf.lfWeight = HasStyle(fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = HasStyle(fsItalic);
    lf.lfUnderline = HasStyle(fsUnderline);
    lf.lfStrikeOut = HasStyle(fsStrikeOut);
    lf.lfCharSet = BYTE(FCharset);
    lf.lfQuality = DEFAULT_QUALITY;
    wcsncpy(lf.lfFaceName, FName.c_str(), LF_FACESIZE - 1);
    FHandle.Reset(CreateFontIndirectW(&lf));
  }
  return FHandle.Get();
}

void TCanvas::FillRect(const RECT& r) {
  TBrushHandle brush(CreateSolidBrush(ColorToRGB(BrushColor)));
  ::FillRect(FHandle, &r, brush.Get());
}

void TCanvas::TextRect(RECT r, const std::wstring& text, UINT format) {
  TSelectObject font(FHandle, FFont.Handle());
  int oldMode = SetBkMode(FHandle, TRANSPARENT);
  COLORREF oldColor = SetTextColor(FHandle, ColorToRGB(FFont.GetColor()));
  DrawTextW(FHandle, text.c_str(), int(text.size()), &r, format);
  SetTextColor(FHandle, oldColor);
  SetBkMode(FHandle, oldMode);
}

SIZE TCanvas::TextExtent(const std::wstring& text) {
  TSelectObject font(FHandle, FFont.Handle());
  SIZE s{};
  GetTextExtentPoint32W(FHandle, text.c_str(), int(text.size()), &s);
  return s;
}

void TCanvas::SetHandle(HDC dc) {
  FHandle = dc;
  if (FHandle && FStretchMode) SetStretchBltMode(FHandle, FStretchMode);
}

void TCanvas::SetStretchMode(int mode) {
  FStretchMode = mode;
  if (FHandle && FStretchMode) SetStretchBltMode(FHandle, FStretchMode);
}

void TCanvas::CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect) {
  StretchBlt(FHandle, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, source.Handle(),
             sourceRect.left, sourceRect.top, sourceRect.right - sourceRect.left, sourceRect.bottom - sourceRect.top,
             CopyMode);
}

void TCanvas::Draw(int x, int y, TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  RECT dest{x, y, x + bitmap.Width(), y + bitmap.Height()};
  if (bitmap.Transparent)
    DrawKeyed(dest, bitmap, bitmap.TransparentColor);
  else
    BitBlt(FHandle, x, y, bitmap.Width(), bitmap.Height(), bitmap.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TCanvas::DrawKeyed(const RECT& dest, TBitmap& image, TColor key) {
  if (image.Empty()) return;
  const int x = dest.left, y = dest.top, w = dest.right - dest.left, h = dest.bottom - dest.top;
  TDirectPixels pixels;
  if ((image.PixelFormat() == pf24bit || image.PixelFormat() == pf32bit) && DirectPixels(FHandle, pixels)) {
    CopyKeyed(pixels, x, y, w, h, image, ColorToRGB(key));
    return;
  }
  std::unique_ptr<TBitmap> mask = image.CreateMask(key);
  if (!DirectColourBitmap(FHandle)) {
    // Mask 1 (a key pixel) keeps the destination, 0 copies the image pixel.
    MaskBlt(FHandle, x, y, w, h, image.Canvas().Handle(), 0, 0, mask->Handle(), 0, 0,
            MAKEROP4(kRopDestination, SRCCOPY));
    return;
  }
  // The same pixels in three plain blits: MaskBlt makes two scratch bitmaps
  // and a pattern brush on every call. The destination XOR the image, ANDed
  // with the mask (white where the key is), XOR the image again: the
  // destination under key pixels, the image everywhere else.
  const COLORREF oldBack = SetBkColor(FHandle, RGB(255, 255, 255));
  const COLORREF oldText = SetTextColor(FHandle, RGB(0, 0, 0));
  BitBlt(FHandle, x, y, w, h, image.Canvas().Handle(), 0, 0, SRCINVERT);
  BitBlt(FHandle, x, y, w, h, mask->Canvas().Handle(), 0, 0, SRCAND);
  BitBlt(FHandle, x, y, w, h, image.Canvas().Handle(), 0, 0, SRCINVERT);
  SetTextColor(FHandle, oldText);
  SetBkColor(FHandle, oldBack);
}
