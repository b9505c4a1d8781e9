#include "skin/draw/FramePaint.h"
#include "skin/draw/DrawTransparent.h"
#include "skin/draw/FrameGeometry.h"

namespace {

void PutFrame(HDC dc, const RECT& dest, TBitmap& frame, bool transparent) {
  if (transparent)
    DrawTransparent(dc, dest, frame, kSkinKeyColour);
  else
    BitBlt(dc, dest.left, dest.top, frame.Width(), frame.Height(), frame.Canvas().Handle(), 0, 0, SRCCOPY);
}

}  // namespace

void DrawFrameStretched(HDC dc, const RECT& target, TBitmap& image, bool transparent, int frameCount,
                        int frameIndex) {
  if (IsInverted(target)) return;
  const TFrameGeometry f = FrameGeometry(image, false, frameCount, frameIndex);
  TBitmap frame(target.right - target.left, target.bottom - target.top);
  if (frame.Empty()) return;
  frame.Canvas().SetStretchMode(COLORONCOLOR);
  frame.Canvas().CopyRect({0, 0, frame.Width(), frame.Height()}, image.Canvas(),
                          {f.X, f.Y, f.X + f.Width, f.Y + f.Height});
  PutFrame(dc, target, frame, transparent);
}

void DrawFrameCentred(HDC dc, const RECT& target, TBitmap& image, bool transparent, int frameCount, int frameIndex) {
  if (IsInverted(target)) return;
  const TFrameGeometry f = FrameGeometry(image, false, frameCount, frameIndex);
  TBitmap frame(f.Width, f.Height);
  if (frame.Empty()) return;
  BitBlt(frame.Canvas().Handle(), 0, 0, f.Width, f.Height, image.Canvas().Handle(), f.X, f.Y, SRCCOPY);
  const int left = target.left + (target.right - target.left - f.Width) / 2;
  const int top = target.top + (target.bottom - target.top - f.Height) / 2;
  PutFrame(dc, {left, top, left + f.Width, top + f.Height}, frame, transparent);
}
