// Radio buttons painted from the skin's radio strip ("Buttons", key
// "RadioButton"): unchecked, checked, and both disabled; a strip of 8
// images has its own layout.
#pragma once
#include "skin/controls/SkinCheckable.h"

class TSkinRadioButton : public TSkinCheckable {
public:
  DECLARE_CLASS_INFO
  using TSkinCheckable::TSkinCheckable;

protected:
  TBitmap* Strip() const override;
  int StripFrames() const override;
  int StateImage(int frames) override;
  // The circle keeps one pixel from a right edge.
  int RightMarkGap() const override { return 1; }
};
