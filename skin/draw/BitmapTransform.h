// Whole-bitmap mirror, flip and quarter turns, in place. Side and bottom tabs
// and vertical progress bars are painted from turned horizontal images. Each
// converts the bitmap to 24 bits per pixel first, the layout they write.
#pragma once
#include "host/Bitmap.h"

void MirrorBitmap(TBitmap& bitmap);       // left-right
void FlipBitmap(TBitmap& bitmap);         // top-bottom
void RotateBitmapLeft(TBitmap& bitmap);   // 90 degrees counter-clockwise
void RotateBitmapRight(TBitmap& bitmap);  // 90 degrees clockwise
