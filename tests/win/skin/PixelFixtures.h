// Known bitmaps for pixel tests: every expectation is computed from these
// inputs. CoordColour gives each source pixel its own colour, so a painted
// pixel tells which source pixel it came from.
#pragma once
#include "host/Bitmap.h"
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// (x, y) of a source pixel encoded as red = x, green = y, blue = 77 (never a
// key colour; coordinates below 256).
inline TColor CoordColour(int x, int y) { return TColor(RGB(x, y, 77)); }
inline int SourceX(TColor c) { return GetRValue(COLORREF(c)); }
inline int SourceY(TColor c) { return GetGValue(COLORREF(c)); }
inline bool IsCoordColour(TColor c) { return GetBValue(COLORREF(c)) == 77; }

inline std::unique_ptr<TBitmap> MakeBitmap(int width, int height, const std::function<TColor(int, int)>& colourAt,
                                           TPixelFormat format = pf32bit) {
  auto bitmap = std::make_unique<TBitmap>(width, height, format);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap->SetPixel(x, y, colourAt(x, y));
  return bitmap;
}

inline std::unique_ptr<TBitmap> CoordBitmap(int width, int height) { return MakeBitmap(width, height, CoordColour); }

// A plain target of one colour that painting must change or leave alone.
constexpr TColor kBackground = TColor(RGB(1, 2, 3));
inline std::unique_ptr<TBitmap> Target(int width, int height, TColor colour = kBackground) {
  return MakeBitmap(width, height, [colour](int, int) { return colour; });
}

// One piece along an axis: Len destination pixels from SrcLen source pixels.
struct Segment {
  int Start, Len, SrcStart, SrcLen;
  bool Tiled = false;
};

// The source position the painters must use for destination offset d within
// the segment: equal lengths copy one to one, tiles repeat, anything else is
// scaled. Scaled sampling may pick any source pixel of the cell that maps to
// d, give or take one for rounding.
inline bool SourceFits(const Segment& s, bool tiled, int d, int src) {
  if (tiled) return src == s.SrcStart + d % s.SrcLen;
  if (s.Len == s.SrcLen) return src == s.SrcStart + d;
  const int64_t low = int64_t(d) * s.SrcLen / s.Len - 1;
  const int64_t high = (int64_t(d + 1) * s.SrcLen + s.Len - 1) / s.Len;
  return src >= s.SrcStart && src < s.SrcStart + s.SrcLen && src - s.SrcStart >= low && src - s.SrcStart <= high;
}

inline const Segment* SegmentAt(const std::vector<Segment>& axis, int v) {
  for (const Segment& s : axis)
    if (v >= s.Start && v < s.Start + s.Len) return &s;
  return nullptr;
}

// Checks a painting at (ox, oy) in target against its pieces along x and y;
// pixels no piece covers keep the background. Tiling applies per axis, or,
// with centreOnly, only where both axes' pieces are tiled (the centre of a
// nine-slice, whose sides are stretched).
inline void ExpectPieces(const TBitmap& target, int ox, int oy, const std::vector<Segment>& xs,
                         const std::vector<Segment>& ys, bool centreOnly = false) {
  for (int y = 0; y < target.Height(); ++y)
    for (int x = 0; x < target.Width(); ++x) {
      const Segment* sx = SegmentAt(xs, x - ox);
      const Segment* sy = SegmentAt(ys, y - oy);
      const TColor c = target.Pixel(x, y);
      if (!sx || !sy) {
        ASSERT_EQ(c, kBackground) << "outside at " << x << "," << y;
        continue;
      }
      ASSERT_TRUE(IsCoordColour(c)) << "not a source pixel at " << x << "," << y;
      const bool both = sx->Tiled && sy->Tiled;
      ASSERT_TRUE(SourceFits(*sx, centreOnly ? both : sx->Tiled, x - ox - sx->Start, SourceX(c)))
          << "x " << x << "," << y << " from " << SourceX(c) << "," << SourceY(c);
      ASSERT_TRUE(SourceFits(*sy, centreOnly ? both : sy->Tiled, y - oy - sy->Start, SourceY(c)))
          << "y " << x << "," << y << " from " << SourceX(c) << "," << SourceY(c);
    }
}
