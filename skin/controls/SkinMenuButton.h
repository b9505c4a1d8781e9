// Drop-down buttons: a glyph, the caption and a small arrow pointing down.
#pragma once
#include "skin/controls/SkinButton.h"

class TSkinMenuButton : public TSkinButton {
public:
  DECLARE_CLASS_INFO
  using TSkinButton::TSkinButton;
  void PaintControl(HDC DC, const RECT& Rect) override;

  // Frames of a drop-down button: the focus shows as the mouse-over frame.
  static int FrameFor(bool pressed, bool hot, bool focused, bool enabled);
};
