#include "skin/draw/ThreeSlice.h"
#include "skin/draw/DrawTransparent.h"
#include "skin/draw/FrameGeometry.h"

void DrawThreeSliceTiled(TCanvas& canvas, const RECT& target, TBitmap& image, const RECT& margins, bool vertical,
                         bool transparent, int frameCount, int frameIndex) {
  if (IsInverted(target)) return;
  const TFrameGeometry f = FrameGeometry(image, vertical, frameCount, frameIndex);
  const int W = target.right - target.left, H = target.bottom - target.top;
  const int L = margins.left, R = margins.right;
  TBitmap strip(W, H);
  if (strip.Empty()) return;
  strip.Canvas().SetStretchMode(COLORONCOLOR);
  TCanvas& to = strip.Canvas();
  to.CopyRect({0, 0, L, H}, image.Canvas(), {f.X, f.Y, f.X + L, f.Y + f.Height});
  const int M = f.Width - L - R;
  for (int x = L; M > 0 && x < W - R; x += M)
    to.CopyRect({x, 0, x + M, H}, image.Canvas(), {f.X + L, f.Y, f.X + L + M, f.Y + f.Height});
  to.CopyRect({W - R, 0, W, H}, image.Canvas(), {f.X + f.Width - R, f.Y, f.X + f.Width, f.Y + f.Height});
  if (transparent) {
    strip.Transparent = true;
    strip.TransparentColor = kSkinKeyColour;
    canvas.Draw(target.left, target.top, strip);
  } else {
    BitBlt(canvas.Handle(), target.left, target.top, W, H, to.Handle(), 0, 0, SRCCOPY);
  }
}

void DrawThreeSliceStretched(HDC dc, const RECT& target, TBitmap& image, const RECT& margins, bool vertical,
                             int frameCount, int frameIndex) {
  if (IsInverted(target)) return;
  const TFrameGeometry f = FrameGeometry(image, vertical, frameCount, frameIndex);
  const int X = target.left, Y = target.top, W = target.right - target.left, H = target.bottom - target.top;
  const int L = margins.left, R = margins.right;
  HDC source = image.Canvas().Handle();
  if (W < f.Width) {
    StretchBlt(dc, X, Y, W, H, source, f.X, f.Y, f.Width, f.Height, SRCCOPY);
    return;
  }
  StretchBlt(dc, X, Y, L, H, source, f.X, f.Y, L, f.Height, SRCCOPY);
  StretchBlt(dc, X + L, Y, W - L - R, H, source, f.X + L, f.Y, f.Width - L - R, f.Height, SRCCOPY);
  StretchBlt(dc, X + W - R, Y, R, H, source, f.X + f.Width - R, f.Y, R, f.Height, SRCCOPY);
}
