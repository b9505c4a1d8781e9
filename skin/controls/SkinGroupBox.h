// Group boxes and radio groups: the face colour, a thin rounded frame in the
// skin's shadow colour and the caption breaking its top line. A class-library
// control is painted whole (mode 1); over a bare window's native picture the
// skinner first wipes the native frame (mode 0).
#pragma once
#include "skin/controls/SkinControl.h"

// The frame's top line for a caption font whose text is textHeight high.
constexpr int GroupFrameTop(int textHeight) { return textHeight / 2 - 1; }
// Where the caption starts (or, right-aligned, ends) from the edge.
constexpr int kGroupCaptionInset = 8;

class TSkinGroupBox : public TSkinControl {
public:
  DECLARE_CLASS_INFO
  using TSkinControl::TSkinControl;
  void AttachControl(TSkinnerHost* Form, TSkinData* SkinData, bool OwnsColor, TCanvas* Canvas) override;
  // Also has the control painted again in its own look.
  void Detach() override;
  bool BeforeMessage(TMessage& Message) override;
  void PaintControl(HDC DC, const RECT& Rect) override;

private:
  void PaintGroup(HDC DC, const RECT& Rect);
  TBitmap FBuffer;
};
