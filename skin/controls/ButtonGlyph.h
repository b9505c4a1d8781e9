// What the glyph buttons share: where glyph and caption go, how a glyph
// image is drawn, the embossed look of a disabled one-image glyph, and the
// glyph settings read from a button by name.
#pragma once
#include "host/Bitmap.h"
#include <functional>
#include <memory>
#include <string>
#include <windows.h>

class TImageList;

// The Layout numbers: where the glyph sits against the caption.
enum TGlyphPlace { gpLeft = 0, gpRight = 1, gpTop = 2, gpBottom = 3 };
// "blGlyphRight" and the like, in any letter case; anything else is left.
TGlyphPlace GlyphPlaceFromName(const std::wstring& name);

// The two rule sets: a speed button has no Alignment rule, and a given
// Spacing with an automatic Margin puts everything one pixel further in.
enum TGlyphLayoutRules { lrBitButton, lrSpeedButton };

struct TGlyphLayoutInput {
  int Width = 0, Height = 0;  // the client area
  SIZE Glyph{0, 0};
  int Margin = -1, Spacing = -1;  // -1: automatic
  TGlyphPlace Place = gpLeft;
  bool CentreAligned = false;  // Alignment taCenter (bit buttons only)
  TGlyphLayoutRules Rules = lrBitButton;
};

struct TGlyphLayout {
  POINT Glyph{0, 0};  // top-left of the glyph
  RECT Caption{};     // where the caption is drawn
  UINT Flags = 0;     // DrawText flags of the caption
  int Margin = 0, Spacing = 0;  // as used
};

// The caption's size when broken into lines within a box; (0, 0) for none.
using TCaptionMeasure = std::function<SIZE(const RECT& box)>;
// DrawText's measure of caption in dc's font (DT_CALCRECT, DT_WORDBREAK).
TCaptionMeasure MeasureCaption(HDC dc, const std::wstring& caption);

// Lays out glyph and caption along the layout's direction and centres them
// across it.
TGlyphLayout CalcGlyphLayout(const TGlyphLayoutInput& in, const TCaptionMeasure& measure);

// The glyph images by state: 1 up, 2 disabled, 3 pressed, 4 down.
enum TGlyphImageIndex { giImageUp = 1, giImageDisabled = 2, giImagePressed = 3, giImageDown = 4 };

// Image ImageIndex of NumGlyphs side by side (image 1 when there is no such
// image) at Position, its bottom-left colour left out; the disabled image of
// a one-image glyph is the embossed glyph.
void DrawGlyph(TCanvas& Canvas, POINT Position, int NumGlyphs, int ImageIndex, const TBitmap& Glyph);

// The disabled look of a glyph: face colour, its black pixels in the shadow
// colour with a highlight one pixel down and right. A new full-colour bitmap
// of the source's size, owned by the caller.
std::unique_ptr<TBitmap> EmbossBitmap(const TBitmap& Source);

// A button's glyph settings, read by name; what is missing reads as none
// or automatic.
struct TGlyphProps {
  const TFont* Font = nullptr;
  TBitmap* Glyph = nullptr;   // null when missing or empty
  TImageList* Images = nullptr;
  int NumGlyphs = 1;
  int ImageIndex = -1, DisabledIndex = -1;
  int Margin = -1, Spacing = -1;
  TGlyphPlace Place = gpLeft;
  bool CentreAligned = false;

  // The size of one glyph image, else of an image-list image, else (0, 0).
  SIZE GlyphSize() const;
};
TGlyphProps ReadGlyphProps(TPersistent* Button);
// The graphic a named published property holds, when it holds a non-empty one.
TGraphic* ReadGraphicProp(TPersistent* Button, const std::string& Name);
