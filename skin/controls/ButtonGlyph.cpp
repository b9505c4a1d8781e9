#include "skin/controls/ButtonGlyph.h"
#include "host/Controls.h"
#include "host/ImgList.h"
#include "skin/controls/SkinControl.h"

namespace {
// Raster operation DSPDxax: the brush where the source is white, the
// destination where it is black.
constexpr DWORD kBrushWhereWhite = 0x00E20746;

int Across(TGlyphPlace p, SIZE s) { return p <= gpRight ? s.cx : s.cy; }
}  // namespace

TGlyphPlace GlyphPlaceFromName(const std::wstring& name) {
  static const wchar_t* const names[] = {L"blglyphleft", L"blglyphright", L"blglyphtop", L"blglyphbottom"};
  for (int i = 0; i < 4; ++i)
    if (_wcsicmp(name.c_str(), names[i]) == 0) return TGlyphPlace(i);
  return gpLeft;
}

TCaptionMeasure MeasureCaption(HDC dc, const std::wstring& caption) {
  return [dc, caption](const RECT& box) -> SIZE {
    if (caption.empty()) return {0, 0};
    RECT r = box;
    DrawTextW(dc, caption.c_str(), int(caption.size()), &r, DT_CALCRECT | DT_WORDBREAK);
    return {r.right - r.left, r.bottom - r.top};
  };
}

TGlyphLayout CalcGlyphLayout(const TGlyphLayoutInput& in, const TCaptionMeasure& measure) {
  const int W = in.Width, H = in.Height;
  const SIZE G = in.Glyph;
  const bool across = in.Place <= gpRight;
  RECT box{2, 2, W - 2, H - 2};
  if (across)
    box.right -= G.cx + 2;
  else
    box.bottom -= G.cy + 2;
  const SIZE T = measure(box);

  TGlyphLayout out;
  POINT text{0, 0};
  if (across) {
    out.Glyph.y = (H - G.cy + 1) / 2;
    text.y = (H - T.cy + 1) / 2;
  } else {
    out.Glyph.x = (W - G.cx + 1) / 2;
    text.x = (W - T.cx + 1) / 2;
  }
  int margin = in.Margin, spacing = in.Spacing;
  if (T.cx == 0 || G.cx == 0) spacing = 0;
  const int D = across ? W : H, g = Across(in.Place, G), t = Across(in.Place, T);
  const bool automatic = margin == -1 || (in.Rules == lrBitButton && in.CentreAligned);
  if (automatic && spacing == -1) {
    margin = (D - (g + t)) / 3;
    spacing = margin;
  } else if (automatic) {
    margin = (D - (g + spacing + t)) / 2 + (in.Rules == lrSpeedButton ? 1 : 0);
  } else if (spacing == -1) {
    spacing = (D - (margin + g) - t) / 2;
  }

  // Along the layout: glyph, then caption, from the glyph's edge.
  const bool glyphFirst = in.Place == gpLeft || in.Place == gpTop;
  const int glyphAt = glyphFirst ? margin : D - margin - g;
  const int textAt = glyphFirst ? margin + g + spacing : glyphAt - spacing - t;
  (across ? out.Glyph.x : out.Glyph.y) = glyphAt;
  (across ? text.x : text.y) = textAt;
  out.Flags = DT_WORDBREAK | (in.Place == gpRight ? DT_RIGHT : across ? 0 : DT_CENTER);
  out.Caption = {text.x, text.y, text.x + T.cx, text.y + T.cy};
  out.Margin = margin;
  out.Spacing = spacing;
  return out;
}

void DrawGlyph(TCanvas& Canvas, POINT Position, int NumGlyphs, int ImageIndex, const TBitmap& Glyph) {
  if (Glyph.Empty()) return;
  if (NumGlyphs < 1) NumGlyphs = 1;
  std::unique_ptr<TBitmap> image = ImageIndex == giImageDisabled && NumGlyphs == 1
                                       ? EmbossBitmap(Glyph)
                                       : CutImage(Glyph, NumGlyphs, ImageIndex);
  if (image->Empty()) return;
  image->SetAutoTransparent();
  Canvas.Draw(Position.x, Position.y, *image);
}

std::unique_ptr<TBitmap> EmbossBitmap(const TBitmap& Source) {
  const int W = Source.Width(), H = Source.Height();
  auto result = std::make_unique<TBitmap>(W, H);
  if (result->Empty()) return result;
  // White where the glyph is black: there the brush goes.
  std::unique_ptr<TBitmap> mask = Source.CreateMask(clBlack);
  TCanvas& canvas = result->Canvas();
  canvas.BrushColor = clBtnFace;
  canvas.FillRect({0, 0, W, H});
  const HDC dc = canvas.Handle();
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  for (const auto& [colour, offset] : {std::pair<TColor, int>{clBtnHighlight, 1}, {clBtnShadow, 0}}) {
    TBrushHandle brush(CreateSolidBrush(ColorToRGB(colour)));
    TSelectObject selected(dc, brush.Get());
    BitBlt(dc, offset, offset, W, H, mask->Canvas().Handle(), 0, 0, kBrushWhereWhite);
  }
  return result;
}

SIZE TGlyphProps::GlyphSize() const {
  if (Glyph) return {Glyph->Width() / NumGlyphs, Glyph->Height()};
  if (Images && ImageIndex != -1) return {Images->Width(), Images->Height()};
  return {0, 0};
}

TGlyphProps ReadGlyphProps(TPersistent* Button) {
  TGlyphProps p;
  // A class-library control draws in its effective font (its parent's while
  // ParentFont is set); anything else in the font it publishes.
  if (auto* control = dynamic_cast<TControl*>(Button))
    p.Font = &control->EffectiveFont();
  else
    p.Font = static_cast<const TFont*>(ReadObjectProp(Button, "Font", TFont::StaticClass()));
  p.Glyph = static_cast<TBitmap*>(ReadObjectProp(Button, "Glyph", TBitmap::StaticClass()));
  if (p.Glyph && p.Glyph->Empty()) p.Glyph = nullptr;
  p.Images = static_cast<TImageList*>(ReadObjectProp(Button, "Images", TImageList::StaticClass()));
  // Zero images would divide the glyph's width by nothing.
  p.NumGlyphs = std::max(1, ReadIntProp(Button, "NumGlyphs"));
  p.ImageIndex = ReadIntProp(Button, "ImageIndex");
  p.DisabledIndex = ReadIntProp(Button, "DisabledIndex");
  p.Margin = ReadIntProp(Button, "Margin");
  p.Spacing = ReadIntProp(Button, "Spacing");
  p.Place = GlyphPlaceFromName(ReadEnumProp(Button, "Layout"));
  p.CentreAligned = _wcsicmp(ReadEnumProp(Button, "Alignment").c_str(), L"tacenter") == 0;
  return p;
}

TGraphic* ReadGraphicProp(TPersistent* Button, const std::string& Name) {
  auto* graphic = static_cast<TGraphic*>(ReadObjectProp(Button, Name.c_str(), TGraphic::StaticClass()));
  return graphic && !graphic->Empty() ? graphic : nullptr;
}
