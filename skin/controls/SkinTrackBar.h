// Track bars: the native control draws its tick marks; the channel and the
// thumb come from the skin ("Track" or "TRACKVERT", "Trackbar.ThumbHorz" or
// "Trackbar.ThumbVert") through the native custom-draw notifications. They
// reach the skinner reflected by a class-library parent (CN_NOTIFY), at the
// control itself (WM_NOTIFY), or, in a foreign dialog, at the dialog, whose
// form skinner hands them on (ParentMessage).
#pragma once
#include "skin/controls/SkinControl.h"

// The thumb's frame of the five-frame thumb strips, the same in every state.
constexpr int kThumbFrames = 5;
constexpr int kThumbFrame = 2;

// The channel from a three-slice image at its own thickness, centred across
// the channel: along the channel, fixed caps of margins' top and bottom
// (vertical) or left and right (horizontal) at both ends, the image's middle
// stretched between them.
void DrawTrackChannel(HDC DC, const RECT& Channel, TBitmap& Image, const RECT& Margins, bool Vertical);
// A vertical track bar's channel as it stands. Some common-controls
// versions report it as if the bar lay horizontally (wider than high),
// others as it is: only the first kind is turned.
RECT UprightChannel(const RECT& Reported);

class TSkinTrackBar : public TSkinControl {
public:
  DECLARE_CLASS_INFO
  using TSkinControl::TSkinControl;
  bool BeforeMessage(TMessage& Message) override;
  bool ParentMessage(TMessage& Message) override;
  // The control's own picture comes back, and properties set for the
  // skinner are put back as they were.
  void Detach() override;
  void SkinChanged() override;

  LRESULT CustomDraw(const NMCUSTOMDRAW& Draw);
  void DrawChannel(const NMCUSTOMDRAW& Draw);
  void DrawThumb(const NMCUSTOMDRAW& Draw);

private:
  // Answers a custom-draw notification of this track bar; false for any
  // other message.
  bool AnswerCustomDraw(TMessage& Message);
  bool Vertical() const;
};
