// The vertical bar of a combo box's drop-down list, painted straight into
// the list's non-client area. Dragging its thumb runs a loop of its own: the
// list sits inside the system's drop-down tracking, where a forwarded click
// would not reach the bar.
#pragma once
#include "skin/controls/SkinControl.h"

// What the drag loop needs of the bar, fixed when the thumb is pressed.
struct TComboThumbDrag {
  SCROLLINFO Info{};  // range, page and position
  int Offset = 0;     // the thumb's start less the first arrow
  int Track = 0;      // the bar less both arrows
  int Thumb = 0;      // the thumb's length
};

// The list's position with the thumb dragged Moved pixels from where it was
// pressed: inside the range, the last page starting at nMax - nPage + 1, and
// never a division by an empty track. Positions are 32-bit throughout.
int ComboThumbPosition(const TComboThumbDrag& Drag, int Moved);

class TComboxScrollBar : public TSkinControl {
public:
  DECLARE_CLASS_INFO
  explicit TComboxScrollBar(TComponent* AOwner);
  bool BeforeMessage(TMessage& Message) override;
  void AfterMessage(TMessage& Message) override;
  void PaintControl(HDC DC, const RECT& Rect) override;

  // A press at Press (screen) on the thumb: follows the mouse until the
  // button is released, the capture is lost or the program is asked to quit
  // (WM_QUIT is posted again), waiting for messages in between. False, with
  // nothing done, for a press anywhere else on the bar.
  bool TrackThumb(POINT Press);

private:
  // Sets the list's position; the scroll message carries 16 bits of it, so a
  // longer list is told its top row directly.
  void ScrollTo(int Code, int Position);
  int FArrowSize = 0;
};
