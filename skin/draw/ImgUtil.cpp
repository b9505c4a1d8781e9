#include "skin/draw/ImgUtil.h"
#include <algorithm>
#include <cmath>

TColor MixColours(TColor c1, TColor c2, int weight) {
  if (c1 < 0) c1 = TColor(GetSysColor(c1 & 0xFF));
  if (c2 < 0) c2 = TColor(GetSysColor(c2 & 0xFF));
  const int64_t scale = weight < 100 ? 100 : 1000;
  // 64 bits: the weight is not bounded, and only the low byte is kept.
  auto mix = [&](int64_t a, int64_t b) { return int((a * weight + b * (scale - weight) + scale / 2) / scale) & 0xFF; };
  int red = mix(c1 & 0xFF, c2 & 0xFF);
  int green = mix((c1 >> 8) & 0xFF, (c2 >> 8) & 0xFF);
  // Blue takes everything from bit 16 up, as the colours are non-negative here.
  int blue = mix(c1 >> 16, c2 >> 16);
  return red + green * 256 + blue * 65536;
}

int ColourSaturation(TColor colour) {
  int r = colour & 0xFF, g = (colour >> 8) & 0xFF, b = (colour >> 16) & 0xFF;
  int high = std::max({r, g, b}), low = std::min({r, g, b});
  if (high < 160) return 200;
  double s = double(high - low) / high;
  return int(std::nearbyint(s * 255));  // the default rounding mode: ties to even
}

void ReplaceKeyColour(TBitmap& bitmap, TColor colour) {
  bitmap.SetPixelFormat(pf24bit);
  const uint8_t red = colour & 0xFF, green = (colour >> 8) & 0xFF, blue = (colour >> 16) & 0xFF;
  for (int y = 0; y < bitmap.Height(); ++y) {
    uint8_t* p = static_cast<uint8_t*>(bitmap.ScanLine(y));
    for (int x = 0; x < bitmap.Width(); ++x, p += 3)
      if (p[2] == 255 && p[1] == 0 && p[0] == 255) { p[0] = blue; p[1] = green; p[2] = red; }
  }
}
