#include "skin/draw/TileBitmap.h"
#include "skin/draw/FrameGeometry.h"

void TileBitmap(TCanvas& canvas, const RECT& target, TBitmap& image, const RECT& source) {
  if (IsInverted(target)) return;
  const int sw = source.right - source.left, sh = source.bottom - source.top;
  if (sw <= 0 || sh <= 0) return;
  TBitmap tile(sw, sh);
  BitBlt(tile.Canvas().Handle(), 0, 0, sw, sh, image.Canvas().Handle(), source.left, source.top, SRCCOPY);
  for (int x = target.left; x < target.right; x += sw)
    for (int y = target.top; y < target.bottom; y += sh) canvas.Draw(x, y, tile);
}
