// Status bars, painted whole from the skin: the background, one frame per
// panel (or one for simple text) from "StatusBarEdges", the texts, and the
// size grip from "ExtraImages". The native bar never paints.
#pragma once
#include "skin/controls/SkinControl.h"

// Frames of the "StatusBarEdges" strip.
enum TPanelFrame { pfLowered = 1, pfRaised = 2, pfFlat = 3 };
constexpr int kPanelFrames = 3;
// The frame of "ExtraImages" that is the size grip.
constexpr int kSizeGripFrame = 5;

class TStatusPanel;
// The DrawText alignment of a panel's text: right-to-left panels swap the
// two justified sides.
UINT StatusPanelAlignment(const TStatusPanel& panel);

class TSkinStatusBar : public TSkinControl {
public:
  DECLARE_CLASS_INFO
  using TSkinControl::TSkinControl;
  bool BeforeMessage(TMessage& Message) override;
  void PaintControl(HDC DC, const RECT& Rect) override;

  void DrawPanelFrame(HDC DC, const RECT& Rect, int FrameIndex);
  static void DrawPanelBevel(HDC DC, const RECT& Rect, int FrameIndex);

private:
  bool HasEdges() const;
  void PaintSimple(TCanvas& canvas, const RECT& whole);
  void PaintPanels(TCanvas& canvas, const RECT& whole);
  void PaintSizeGrip(HDC dc, const RECT& whole);
  void PaintFrame(HDC dc, const RECT& r, int frame);
};
