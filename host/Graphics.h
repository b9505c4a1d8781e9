// Colours, fonts and canvases over GDI (bitmaps: Bitmap.h).
#pragma once
#include "host/Classes.h"
#include "host/Handles.h"
#include <functional>

// A host colour: red in the low byte; negative values name system colours by
// their low byte.
using TColor = int;
constexpr TColor clSystemColor = int(0xFF000000);
constexpr TColor clBtnFace = clSystemColor | COLOR_BTNFACE;
constexpr TColor clWindow = clSystemColor | COLOR_WINDOW;
constexpr TColor clWindowText = clSystemColor | COLOR_WINDOWTEXT;
constexpr TColor clBtnText = clSystemColor | COLOR_BTNTEXT;
constexpr TColor clBtnShadow = clSystemColor | COLOR_BTNSHADOW;
constexpr TColor clBtnHighlight = clSystemColor | COLOR_BTNHIGHLIGHT;
constexpr TColor cl3DDkShadow = clSystemColor | COLOR_3DDKSHADOW;
constexpr TColor clHighlight = clSystemColor | COLOR_HIGHLIGHT;
constexpr TColor clHighlightText = clSystemColor | COLOR_HIGHLIGHTTEXT;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;

COLORREF ColorToRGB(TColor c);
// "clBtnFace", "clRed", "$00FF00FF" or a number; false when unknown.
bool IdentToColor(const std::wstring& ident, TColor& c);
// A colour property, stored as a number or a colour's name; an unknown name
// leaves the colour as it is.
template <class C>
TPropInfo ColorProp(const char* name, TColor (C::*get)() const, void (C::*set)(TColor)) {
  return {name, [get](TPersistent& o) { return TValue::Integer((static_cast<C&>(o).*get)()); },
          [set](TPersistent& o, const TValue& v) {
            TColor c = TColor(v.Int);
            if (v.Kind != TValue::vkIdent || IdentToColor(v.Str, c)) (static_cast<C&>(o).*set)(c);
          }};
}

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };

class TFont : public TPersistent {
public:
  DECLARE_CLASS_INFO
  TFont() = default;
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;
  void Assign(const TFont& other);
  // Takes name, height, character set and style of a system font (a
  // window's WM_GETFONT); the stock font when there is none.
  void AssignHandle(HFONT font);

  std::wstring GetName() const { return FName; }
  void SetName(const std::wstring& v) { FName = v; Changed(); }
  int GetHeight() const { return FHeight; }
  void SetHeight(int v) { FHeight = v; Changed(); }
  int GetCharset() const { return FCharset; }
  void SetCharset(int v) { FCharset = v; Changed(); }
  TColor GetColor() const { return FColor; }
  void SetColor(TColor v) { FColor = v; Changed(); }
  bool HasStyle(TFontStyle s) const { return (FStyle >> s) & 1; }
  unsigned GetStyle() const { return FStyle; }
  void SetStyle(unsigned styles) { FStyle = styles; Changed(); }

  HFONT Handle() const;  // made on first use, remade after a change
  std::function<void()> OnChange;

private:
  void Changed();
  std::wstring FName = L"MS Sans Serif";
  int FHeight = -11;
  int FCharset = DEFAULT_CHARSET;
  TColor FColor = clWindowText;
  unsigned FStyle = 0;
  mutable TFontHandle FHandle;
};

class TBitmap;

// Draws on a DC it does not own.
class TCanvas {
public:
  explicit TCanvas(HDC dc = nullptr) : FHandle(dc) {}
  HDC Handle() const { return FHandle; }
  // Also gives a new DC the canvas's stretch mode, so a bitmap that remakes
  // its DC keeps it.
  void SetHandle(HDC dc);
  TFont& Font() { return FFont; }
  TColor BrushColor = clBtnFace;
  // The raster operation of CopyRect.
  DWORD CopyMode = SRCCOPY;

  // 0 until set: the DC's own mode stays.
  int StretchMode() const { return FStretchMode; }
  void SetStretchMode(int mode);

  void FillRect(const RECT& r);
  // Draws text with the canvas font and its colour on a transparent background.
  void TextRect(RECT r, const std::wstring& text, UINT format);
  SIZE TextExtent(const std::wstring& text);
  // Scales sourceRect of source onto dest with StretchBlt and CopyMode.
  void CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect);
  // The bitmap at its own size with its top-left at (x, y); its
  // TransparentColor is left out while it is Transparent.
  void Draw(int x, int y, TBitmap& bitmap);
  // The image's top-left at dest's top-left, dest's size, with the pixels of
  // exactly key left out: copied straight into a section's rows where the
  // DC leaves its coordinates and clipping alone, else by blits.
  void DrawKeyed(const RECT& dest, TBitmap& image, TColor key);

private:
  HDC FHandle;
  TFont FFont;
  int FStretchMode = 0;
};

// A picture of any kind, drawn at its own size; a published property of
// this class can hold a bitmap or any other image format.
class TGraphic : public TPersistent {
public:
  DECLARE_CLASS_INFO
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual bool Empty() const = 0;
  // Its top-left at (x, y).
  virtual void Draw(TCanvas& canvas, int x, int y) = 0;
};
