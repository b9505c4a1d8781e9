// Status bars, painted whole from the skin: the background, one frame per
// panel (or one for simple text) from "StatusBarEdges", the texts, and the
// size grip from "ExtraImages". The native bar never paints.
#pragma once
#include "skin/controls/SkinControl.h"
#include <vector>

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
  // A panel as it is painted: a class-library bar's panel, or a part of a
  // bare status bar of the system.
  struct TPanelLook {
    int Frame;
    std::wstring Text;
    UINT Alignment;
    bool HasText;  // owner-drawn panels get their frame only
  };
  // Empty in simple mode.
  std::vector<TPanelLook> Panels() const;
  bool HasEdges() const;
  void PaintSimple(TCanvas& canvas, const RECT& whole);
  void PaintPanels(TCanvas& canvas, const RECT& whole, const std::vector<TPanelLook>& panels);
  void PaintSizeGrip(HDC dc, const RECT& whole);
  void PaintFrame(HDC dc, const RECT& r, int frame);
};
