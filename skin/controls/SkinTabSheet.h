// The pages of a page control: filled with the skin's face colour, their
// window-less children painted over it. A page whose ParentBackground had
// to be switched off keeps its native painting.
#pragma once
#include "skin/controls/SkinControl.h"

class TSkinTabSheet : public TSkinControl {
public:
  DECLARE_CLASS_INFO
  using TSkinControl::TSkinControl;
  bool BeforeMessage(TMessage& Message) override;
  // A sheet whose ParentBackground had to be switched off keeps its
  // native picture: nothing is painted over it.
  void AfterMessage(TMessage& Message) override;
  void PaintControl(HDC DC, const RECT& Rect) override;
  // The page paints natively again.
  void Detach() override;
};
