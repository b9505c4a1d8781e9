// Colour arithmetic and whole-bitmap pixel operations for the skin loader and
// the control skinners; the chief header of the drawing primitives.
#pragma once
#include "host/Bitmap.h"
#include "skin/draw/BitmapTransform.h"
#include "skin/draw/GradientFill.h"

// C1 weighted by W against C2: W below 100 is a percentage, from 100 up a
// per-mille value (150 is 15 % of C1). System colours are resolved first.
TColor MixColours(TColor c1, TColor c2, int weight);

// 0..255 saturation of the colour as given, or 200 when no channel reaches
// 160 (dark colours count as saturated enough).
int ColourSaturation(TColor colour);

// Gives every pixel that is exactly the key colour $FF00FF the colour's red,
// green and blue. Converts the bitmap to 24 bits per pixel first.
void ReplaceKeyColour(TBitmap& bitmap, TColor colour);
