// Where one state frame lies in a skin image strip: FrameCount equal frames
// side by side (horizontal strip) or stacked (vertical), numbered from 1.
#pragma once
#include "host/Bitmap.h"

struct TFrameGeometry {
  int X = 0, Y = 0;           // origin of the frame in the strip
  int Width = 0, Height = 0;  // size of one frame
};

// Integer division: remainder columns (or rows) at the end are never used.
// A FrameCount below 1 counts as 1; a FrameIndex outside 1..FrameCount is
// taken as the nearest frame, so no painter reads outside the strip.
TFrameGeometry FrameGeometry(const TBitmap& image, bool vertical, int frameCount, int frameIndex);

// Right < Left or Bottom < Top: the painters paint nothing.
inline bool IsInverted(const RECT& r) { return r.right < r.left || r.bottom < r.top; }
