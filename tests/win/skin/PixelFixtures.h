// Known bitmaps for pixel tests: every expectation is computed from these
// inputs. CoordColour gives each source pixel its own colour, so a painted
// pixel tells which source pixel it came from.
#pragma once
#include "host/Bitmap.h"
#include <functional>
#include <memory>

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
