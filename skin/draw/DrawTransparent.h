// Keyed copies: an image drawn with every pixel of exactly the key colour
// left out, so the destination shows through there.
#pragma once
#include "host/Bitmap.h"

// Every transparent skin image leaves out magenta; an element's Trans only
// switches transparency on.
constexpr TColor kSkinKeyColour = 0xFF00FF;

// The image's top-left goes to the target's top-left; width and height are
// the target's. Uses the NT path on NT-family systems, the other elsewhere.
void DrawTransparent(HDC dc, const RECT& target, TBitmap& image, TColor key);
// The canvas's keyed draw: the pixels copied straight into a bitmap's rows
// where its DC allows, else by blits through a mask of the key pixels.
void DrawTransparentNT(HDC dc, const RECT& target, TBitmap& image, TColor key);
// For systems without MaskBlt: image XOR, mask AND, image XOR.
void DrawTransparent9x(HDC dc, const RECT& target, TBitmap& image, TColor key);
