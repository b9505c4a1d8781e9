// One whole frame of a horizontal strip, stretched or centred.
#pragma once
#include "host/Bitmap.h"

// The frame scaled to the target, keyed on $FF00FF when transparent.
void DrawFrameStretched(HDC dc, const RECT& target, TBitmap& image, bool transparent, int frameCount,
                        int frameIndex);

// The frame at its own size, centred in the target ((outer - inner) div 2;
// a frame larger than the target sticks out on both sides), keyed on
// $FF00FF when transparent.
void DrawFrameCentred(HDC dc, const RECT& target, TBitmap& image, bool transparent, int frameCount, int frameIndex);
