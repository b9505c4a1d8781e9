// The size grip of a foreign dialog (a scroll bar with the size-grip style):
// filled with the skin's face colour.
#pragma once
#include "skin/controls/SkinControl.h"

class TSkinSizer : public TSkinControl {
public:
  DECLARE_CLASS_INFO
  using TSkinControl::TSkinControl;
  void PaintControl(HDC DC, const RECT& Rect) override;
};
