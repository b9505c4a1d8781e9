// Check boxes, radio buttons and glyph controls of other component sets
// that take a custom glyph strip: the skinner builds the strip from the
// skin's check-box or radio-button image and hands it to the control
// through its published properties. No message hook.
#pragma once
#include "skin/controls/SkinControl.h"

class TBitmap;

// Which strip, and where it goes.
enum TGlyphMode {
  gmCheckGlyphs = 1,     // check-box strip into "CustomGlyphs"
  gmRadioGlyphs = 2,     // radio-button strip into "CustomGlyphs"
  gmPropertiesGlyph = 3  // check-box strip into "Properties"."Glyph"
};

class TSkinObjImage : public TSkinControl {
public:
  DECLARE_CLASS_INFO
  using TSkinControl::TSkinControl;
  void AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas) override;
  void Detach() override;
  void SkinChanged() override;

  int GlyphMode = gmCheckGlyphs;

private:
  void Apply();
};

// The strip a glyph mode builds from a source strip of sourceFrames frames:
// each destination frame taken 1:1 from one source frame, the others left
// as the new bitmap is. Empty when the source is.
void BuildGlyphStrip(int mode, const TBitmap& source, int sourceFrames, TBitmap& strip);
