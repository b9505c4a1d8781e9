#include "skin/draw/NineSlice.h"
#include "skin/draw/DrawTransparent.h"
#include "skin/draw/FrameGeometry.h"
#include "skin/draw/TileBitmap.h"

namespace {

// Products and sums in 64 bits: margins come from the skin unchecked.
bool Positive(int64_t a, int64_t b) { return a * b > 0; }

// Scales the piece src (relative to the frame origin) of the image onto dest.
void CopyPiece(TBitmap& result, const RECT& dest, TBitmap& image, const TFrameGeometry& f, RECT src) {
  OffsetRect(&src, f.X, f.Y);
  result.Canvas().CopyRect(dest, image.Canvas(), src);
}

}  // namespace

std::unique_ptr<TBitmap> ComposeNineSlice(const RECT& target, TBitmap& image, const RECT& margins, bool vertical,
                                          bool tile, int frameCount, int frameIndex) {
  const TFrameGeometry f = FrameGeometry(image, vertical, frameCount, frameIndex);
  const int W = target.right - target.left, H = target.bottom - target.top;
  const int FW = f.Width, FH = f.Height;
  auto result = std::make_unique<TBitmap>();
  if (IsInverted(target)) return result;
  result->SetSize(W, H);
  if (result->Empty()) return result;
  int L = margins.left, T = margins.top, R = margins.right, B = margins.bottom;
  // Margins that exactly fill the target are kept.
  if (int64_t(L) + R > W) L = R = 0;
  if (int64_t(T) + B > H) T = B = 0;
  result->Canvas().SetStretchMode(COLORONCOLOR);

  if (Positive(L, T)) CopyPiece(*result, {0, 0, L, T}, image, f, {0, 0, L, T});
  if (Positive(L, B)) CopyPiece(*result, {0, H - B, L, H}, image, f, {0, FH - B, L, FH});
  if (Positive(R, T)) CopyPiece(*result, {W - R, 0, W, T}, image, f, {FW - R, 0, FW, T});
  if (L > 0) CopyPiece(*result, {0, T, L, H - B}, image, f, {0, T, L, FH - B});
  if (T > 0) CopyPiece(*result, {L, 0, W - R, T}, image, f, {L, 0, FW - R, T});
  const RECT centre{L, T, W - R, H - B};
  if (tile) {
    RECT src{L, T, FW - R, FH - B};
    OffsetRect(&src, f.X, f.Y);
    TileBitmap(result->Canvas(), centre, image, src);
  } else {
    CopyPiece(*result, centre, image, f, {L, T, FW - R, FH - B});
  }
  // The right and bottom pieces come last: they cover the tiled centre's
  // overrun.
  if (Positive(R, B)) CopyPiece(*result, {W - R, H - B, W, H}, image, f, {FW - R, FH - B, FW, FH});
  if (R > 0) CopyPiece(*result, {W - R, T, W, H - B}, image, f, {FW - R, T, FW, FH - B});
  if (B > 0) CopyPiece(*result, {L, H - B, W - R, H}, image, f, {L, FH - B, FW - R, FH});
  return result;
}

void DrawSkinElement(HDC dc, const RECT& target, TBitmap& image, const RECT& margins, bool vertical, bool tile,
                     bool transparent, int frameCount, int frameIndex) {
  if (IsInverted(target)) return;
  std::unique_ptr<TBitmap> composed = ComposeNineSlice(target, image, margins, vertical, tile, frameCount, frameIndex);
  if (composed->Empty()) return;
  if (transparent)
    DrawTransparent(dc, target, *composed, kSkinKeyColour);
  else
    BitBlt(dc, target.left, target.top, composed->Width(), composed->Height(), composed->Canvas().Handle(), 0, 0,
           SRCCOPY);
}
