// Three-slice painting along the width: left cap, middle, right cap, each at
// the target's full height. Only Left and Right of the margins are used.
#pragma once
#include "host/Bitmap.h"

// Middle repeated at its own width (its height stretched) from the left cap
// on; the right cap, painted last, covers the last copy's overrun. A middle
// of no width paints no middle copies. Composed off-screen, then put on the
// canvas in one copy, keyed on $FF00FF when transparent.
void DrawThreeSliceTiled(TCanvas& canvas, const RECT& target, TBitmap& image, const RECT& margins, bool vertical,
                         bool transparent, int frameCount, int frameIndex);

// Straight onto dc with three StretchBlt calls, in dc's own stretch mode; a
// target narrower than one frame gets the whole frame stretched instead.
void DrawThreeSliceStretched(HDC dc, const RECT& target, TBitmap& image, const RECT& margins, bool vertical,
                             int frameCount, int frameIndex);
