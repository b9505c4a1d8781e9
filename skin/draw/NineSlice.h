// Nine-slice painting of one skin element frame: fixed corners, sides
// stretched along their length, centre stretched or tiled. The margins are
// the widths of the fixed borders (Left, Top, Right, Bottom), not coordinates.
#pragma once
#include "host/Bitmap.h"
#include <memory>

// A new bitmap of the target's size holding the frame scaled into it. Margins
// that do not fit are dropped pairwise: both horizontal ones when
// Left + Right exceeds the width, both vertical ones when Top + Bottom
// exceeds the height. An inverted or empty target gives an empty bitmap.
std::unique_ptr<TBitmap> ComposeNineSlice(const RECT& target, TBitmap& image, const RECT& margins, bool vertical,
                                          bool tile, int frameCount, int frameIndex);

// Composes off-screen and puts the result on dc in one copy, keyed on
// $FF00FF when transparent.
void DrawSkinElement(HDC dc, const RECT& target, TBitmap& image, const RECT& margins, bool vertical, bool tile,
                     bool transparent, int frameCount, int frameIndex);
