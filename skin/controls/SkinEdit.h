// Edit boxes: the native control paints its text; afterwards the skinner
// redraws the border in the skin's shadow colour with two white rings.
#pragma once
#include "skin/controls/SkinControl.h"

class TSkinEdit : public TSkinControl {
public:
  DECLARE_CLASS_INFO
  using TSkinControl::TSkinControl;
  void AfterMessage(TMessage& Message) override;
  void PaintControl(HDC DC, const RECT& Rect) override;
  // The border answering WM_PRINT.
  void PrintBorder(HDC DC);
};
