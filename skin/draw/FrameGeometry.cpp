#include "skin/draw/FrameGeometry.h"

TFrameGeometry FrameGeometry(const TBitmap& image, bool vertical, int frameCount, int frameIndex) {
  // A skin that states no frames still has its one picture.
  if (frameCount < 1) frameCount = 1;
  frameIndex = frameIndex < 1 ? 1 : frameIndex > frameCount ? frameCount : frameIndex;
  TFrameGeometry g;
  if (vertical) {
    g.Width = image.Width();
    g.Height = image.Height() / frameCount;
    g.Y = (frameIndex - 1) * g.Height;
  } else {
    g.Width = image.Width() / frameCount;
    g.Height = image.Height();
    g.X = (frameIndex - 1) * g.Width;
  }
  return g;
}
