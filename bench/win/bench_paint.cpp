// Skin painting at the calculator's sizes: the 400 x 380 frame composed from
// a nine-slice image, 50 x 50 buttons painted opaque and keyed, a keyed
// copy straight into a bitmap against a mask and three blits, and the
// frame's window region, built by RegionFromBitmap in batches and, for
// comparison, the simple way (one rectangle region ORed in per run).
// Prints milliseconds per call and ratios; no pass or fail.
#include "bench/win/BenchTiming.h"
#include "skin/draw/DrawTransparent.h"
#include "skin/draw/NineSlice.h"
#include "skin/draw/RegionFromBitmap.h"
#include <cstdio>
#include <functional>
#include <memory>

namespace {

std::unique_ptr<TBitmap> MakeImage(int w, int h, const std::function<TColor(int, int)>& colour) {
  auto b = std::make_unique<TBitmap>(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b->SetPixel(x, y, colour(x, y));
  return b;
}

TColor Shade(int x, int y) { return TColor(RGB((x * 5) & 0xFF, (y * 3) & 0xFF, 120)); }

// Frame pixel with rounded (keyed) outer corners of radius r.
bool CornerKeyed(int x, int y, int w, int h, int r) {
  int dx = x < r ? r - x : x >= w - r ? x - (w - r - 1) : 0;
  int dy = y < r ? r - y : y >= h - r ? y - (h - r - 1) : 0;
  return dx * dx + dy * dy > r * r;
}

// The simple way: a rectangle region per run, each ORed into the result.
// Runs are found from the scan lines as RegionFromBitmap finds them, with the
// same tolerance (green 0 or 1 counts as key), so only the region building
// differs.
TRegionHandle RegionPerRun(TBitmap& bitmap) {
  bitmap.SetPixelFormat(pf32bit);
  auto isKey = [](const uint8_t* p) { return p[0] == 255 && p[1] <= 1 && p[2] == 255; };
  TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
  for (int y = 0; y < bitmap.Height(); ++y) {
    const uint8_t* row = static_cast<const uint8_t*>(bitmap.ScanLine(y));
    for (int x = 0; x < bitmap.Width();) {
      if (isKey(row + 4 * x)) { ++x; continue; }
      const int x0 = x;
      while (x < bitmap.Width() && !isKey(row + 4 * x)) ++x;
      TRegionHandle run(CreateRectRgn(x0, y, x, y + 1));
      CombineRgn(region.Get(), region.Get(), run.Get(), RGN_OR);
    }
  }
  return region;
}

void CompareRegions(const char* name, TBitmap& bitmap) {
  TRegionHandle batched = RegionFromBitmap(bitmap, 0, 0, 0xFF00FF, 1, 1, 1);
  TRegionHandle simple = RegionPerRun(bitmap);
  const double fast = MsPerCall([&] { RegionFromBitmap(bitmap, 0, 0, 0xFF00FF, 1, 1, 1); });
  const double slow = MsPerCall([&] { RegionPerRun(bitmap); });
  std::printf("RegionFromBitmap, %-28s %9.3f ms   one region per run %9.3f ms   ratio %6.1fx   same region: %s\n",
              name, fast, slow, slow / fast, EqualRgn(batched.Get(), simple.Get()) ? "yes" : "NO");
}

}  // namespace

int main() {
  const RECT frame{0, 0, 400, 380};
  // Frame image: 2 states of 60 x 60, margins 20 on every side.
  auto frameImage = MakeImage(120, 60, Shade);
  const RECT frameMargins{20, 20, 20, 20};
  // Button image: 5 states of 50 x 50 with 4-pixel borders, keyed corners.
  auto button = MakeImage(250, 50, [](int x, int y) {
    return CornerKeyed(x % 50, y, 50, 50, 6) ? TColor(0xFF00FF) : Shade(x, y);
  });
  const RECT buttonMargins{4, 4, 4, 4};
  TBitmap screen(400, 380);
  HDC dc = screen.Canvas().Handle();

  std::printf("Skin painting (400 x 380 frame, 50 x 50 buttons)\n");
  const double stretched = MsPerCall([&] { ComposeNineSlice(frame, *frameImage, frameMargins, false, false, 2, 1); });
  const double tiled = MsPerCall([&] { ComposeNineSlice(frame, *frameImage, frameMargins, false, true, 2, 1); });
  std::printf("ComposeNineSlice 400 x 380, stretched centre    %9.3f ms\n", stretched);
  std::printf("ComposeNineSlice 400 x 380, tiled centre        %9.3f ms   tiled / stretched %5.2f\n", tiled,
              tiled / stretched);
  const RECT key{100, 100, 150, 150};
  const double opaque = MsPerCall([&] { DrawSkinElement(dc, key, *button, buttonMargins, false, false, false, 5, 3); });
  const double keyed = MsPerCall([&] { DrawSkinElement(dc, key, *button, buttonMargins, false, false, true, 5, 3); });
  std::printf("DrawSkinElement 50 x 50 button, opaque          %9.3f ms\n", opaque);
  std::printf("DrawSkinElement 50 x 50 button, keyed $FF00FF   %9.3f ms   keyed / opaque %5.2f\n", keyed,
              keyed / opaque);
  // The keyed copy alone, of a composed button into the bitmap: straight
  // into its rows, and by a mask and three blits.
  std::unique_ptr<TBitmap> composed = ComposeNineSlice(key, *button, buttonMargins, false, false, 5, 3);
  const double direct = MsPerCall([&] { DrawTransparentNT(dc, key, *composed, 0xFF00FF); });
  const double blits = MsPerCall([&] { DrawTransparent9x(dc, key, *composed, 0xFF00FF); });
  std::printf("keyed copy 50 x 50 into a bitmap, straight      %9.3f ms   mask and blits %9.3f ms   ratio %5.1fx\n",
              direct, blits, blits / direct);

  // The frame as the form skinner cuts its outline: keyed rounded corners.
  auto outline = MakeImage(400, 380, [](int x, int y) {
    return CornerKeyed(x, y, 400, 380, 12) ? TColor(0xFF00FF) : Shade(x, y);
  });
  CompareRegions("400 x 380 rounded frame:", *outline);
  // A hard case: every other pixel keyed, 200 runs a row. The simple way
  // grows with the square of the runs, so the strip is kept to 50 rows.
  auto comb = MakeImage(400, 50, [](int x, int y) { return (x + y) % 2 ? TColor(0xFF00FF) : Shade(x, y); });
  CompareRegions("400 x 50, 10,000 runs:", *comb);
  return 0;
}
