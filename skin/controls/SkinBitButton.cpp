#include "skin/controls/SkinBitButton.h"
#include "host/ImgList.h"
#include "skin/data/DataSkinObject.h"
#include "skin/data/WinSkinData.h"

DEFINE_CLASS_INFO(TSkinBitButton, TSkinButton, {})

int TSkinBitButton::GlyphImageFor(int frame) {
  return frame == bfPressed ? giImagePressed : frame == bfDisabled ? giImageDisabled : giImageUp;
}

void TSkinBitButton::PaintControl(HDC DC, const RECT& Rect) {
  if (!Element()) return;
  PaintGlyphButton(DC, Rect, !FGlyphProperty.empty());
}

void TSkinBitButton::PaintGlyphButton(HDC DC, const RECT& Rect, bool picture) {
  // The picture variant shows frame 5 for the focus only.
  const int frame = ReadState(!picture);
  PrepareBuffer(Rect);
  if (FBuffer.Empty()) return;
  TCanvas& canvas = FBuffer.Canvas();
  const HDC buffer = canvas.Handle();
  const int W = FBuffer.Width(), H = FBuffer.Height();
  TSelectObject windowFont(buffer, HFONT(SendMessageW(FHandle, WM_GETFONT, 0, 0)));
  DrawElement(buffer, {0, 0, W, H}, kButtonFrames, frame, *Element());

  const TGlyphProps props = ReadGlyphProps(FControl);
  TGraphic* graphic = picture ? ReadGraphicProp(FControl, FGlyphProperty) : nullptr;
  const SIZE glyph = picture ? (graphic ? SIZE{graphic->Width(), graphic->Height()} : SIZE{0, 0}) : props.GlyphSize();
  TSelectObject font(buffer, props.Font ? props.Font->Handle() : nullptr);
  const TGlyphLayout layout = CalcGlyphLayout(
      {W, H, glyph, props.Margin, props.Spacing, props.Place, props.CentreAligned, lrBitButton},
      MeasureCaption(buffer, FText));

  if (graphic)
    graphic->Draw(canvas, layout.Glyph.x, layout.Glyph.y);
  else if (!picture && props.Glyph)
    DrawGlyph(canvas, layout.Glyph, props.NumGlyphs, GlyphImageFor(frame), *props.Glyph);
  else if (!picture)
    DrawImageList(props, layout.Glyph);

  const TColor start = props.Font ? props.Font->GetColor() : clBtnText;
  SetTextColor(buffer, ColorToRGB(TextColour(frame, start, picture ? ncNormalFrameOnly : ncEveryFrame,
                                             frame != bfDisabled)));
  if (!FText.empty()) {
    const int mode = SetBkMode(buffer, TRANSPARENT);
    RECT caption = layout.Caption;
    const UINT flags = picture ? layout.Flags : BiDiTextFlags(*this, layout.Flags);
    DrawTextW(buffer, FText.c_str(), int(FText.size()), &caption, flags);
    SetBkMode(buffer, mode);
    DrawCaptionFocus(buffer, layout.Caption);
  }
  BitBlt(DC, Rect.left, Rect.top, W, H, buffer, 0, 0, SRCCOPY);
}

void TSkinBitButton::DrawImageList(const TGlyphProps& props, POINT at) {
  if (!props.Images) return;
  const HDC buffer = FBuffer.Canvas().Handle();
  if (FEnabled) {
    if (props.ImageIndex != -1) props.Images->Draw(buffer, at.x, at.y, props.ImageIndex, true);
  } else if (props.DisabledIndex != -1) {
    props.Images->Draw(buffer, at.x, at.y, props.DisabledIndex, false);
  } else if (props.ImageIndex != -1) {
    props.Images->Draw(buffer, at.x, at.y, props.ImageIndex, false);
  }
}
