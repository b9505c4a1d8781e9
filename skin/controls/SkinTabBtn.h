// Tabs drawn as buttons (page controls whose style is buttons or flat
// buttons): each tab a frame of the skin's "Buttons" element, the focused
// one pressed. Only the strip is painted; the native control never paints.
#pragma once
#include "skin/controls/SkinControl.h"

class TSkinTabBtn : public TSkinControl {
public:
  DECLARE_CLASS_INFO
  using TSkinControl::TSkinControl;
  bool BeforeMessage(TMessage& Message) override;
  void PaintControl(HDC DC, const RECT& Rect) override;
  // The native tabs paint again.
  void Detach() override;
};
