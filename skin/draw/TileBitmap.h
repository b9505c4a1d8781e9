// Repeats one rectangle of an image over a target.
#pragma once
#include "host/Bitmap.h"

// Copies the source rectangle at its own size, column by column from the
// target's left, each column top to bottom. The last column and row run past
// the target's right and bottom edges: callers paint over the overrun. An
// empty or inverted source or target paints nothing.
void TileBitmap(TCanvas& canvas, const RECT& target, TBitmap& image, const RECT& source);
