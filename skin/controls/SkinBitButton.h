// Buttons with a glyph or an image list beside the caption, laid out by
// the button's Layout, Margin, Spacing and Alignment.
#pragma once
#include "skin/controls/ButtonGlyph.h"
#include "skin/controls/SkinButton.h"

class TSkinBitButton : public TSkinButton {
public:
  DECLARE_CLASS_INFO
  using TSkinButton::TSkinButton;
  void PaintControl(HDC DC, const RECT& Rect) override;

  // A published graphic property ("PngImage") that holds the picture instead
  // of Glyph; empty for ordinary bit buttons.
  void SetGlyphProperty(const std::string& Name) { FGlyphProperty = Name; }
  const std::string& GlyphProperty() const { return FGlyphProperty; }

protected:
  // Glyph image by frame: pressed shows image 3, disabled image 2.
  static int GlyphImageFor(int frame);
  std::string FGlyphProperty;

private:
  // The glyph or image list; with picture, the named property's graphic.
  void PaintGlyphButton(HDC DC, const RECT& Rect, bool picture);
  void DrawImageList(const TGlyphProps& props, POINT at);
};
