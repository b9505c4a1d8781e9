// The window region of a frame piece: its pixels minus the key colour.
#pragma once
#include "host/Bitmap.h"

// One rectangle per run of non-key pixels in a row, moved by the offsets. A
// pixel is a key pixel when each channel lies in [key channel, key channel +
// tolerance] (capped at 255): the tolerance widens upwards only. Converts
// the bitmap to 32 bits per pixel, so callers pass a scratch bitmap. The
// region is built in batches of at most 2,000 rectangles, ORed together.
TRegionHandle RegionFromBitmap(TBitmap& bitmap, int xOffset, int yOffset, TColor key, int redTolerance,
                               int greenTolerance, int blueTolerance);
