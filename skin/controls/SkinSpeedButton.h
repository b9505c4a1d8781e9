// Windowless speed buttons: painted through the button's own canvas when
// its parent paints it, and at once when the mouse changes its state. A
// flat one shows the skin only while pressed, down or under the mouse.
#pragma once
#include "skin/controls/SkinBitButton.h"

class TGraphicControl;

class TSkinSpeedButton : public TSkinBitButton {
public:
  DECLARE_CLASS_INFO
  explicit TSkinSpeedButton(TComponent* AOwner);
  // Takes the place of AttachControl: the owner is a windowless button.
  void AttachSpeedButton(TSkinnerHost* Form, TSkinData* SkinData, TCanvas* Canvas);
  bool BeforeMessage(TMessage& Message) override;
  void AfterMessage(TMessage& Message) override;
  // Paints through the button's canvas; a DC given is lent to it.
  void PaintWindow(HDC DC) override;

  // The frame and glyph image a speed button in this state shows.
  static int FrameFor(bool pressed, bool hot, bool enabled, bool down);
  static int GlyphImageFor(int frame, bool down);

private:
  TGraphicControl* Button() const;
  // The whole button onto the canvas, its client area at the origin.
  void Paint(TCanvas& Target);
  void Compose(TControl& button, int W, int H);
  bool FPainting = false;  // the painter is running: a nested paint returns
};
