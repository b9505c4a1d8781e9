#include "skin/draw/BitmapTransform.h"
#include <cstring>
#include <vector>

namespace {

// Takes the new pixels but keeps the bitmap's own transparency settings.
void ReplacePixels(TBitmap& bitmap, const TBitmap& pixels) {
  bool transparent = bitmap.Transparent;
  TColor transparentColour = bitmap.TransparentColor;
  bitmap.Assign(pixels);
  bitmap.Transparent = transparent;
  bitmap.TransparentColor = transparentColour;
}

uint8_t* Row(TBitmap& bitmap, int y) { return static_cast<uint8_t*>(bitmap.ScanLine(y)); }

// The whole image read at once, 32 bits per pixel, rows bottom-up.
std::vector<uint8_t> ReadPixels32(TBitmap& bitmap) {
  const int w = bitmap.Width(), h = bitmap.Height();
  std::vector<uint8_t> buffer(size_t(w) * size_t(h) * 4);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  bi.bmiHeader.biSizeImage = DWORD(buffer.size());
  bi.bmiHeader.biXPelsPerMeter = 1;
  bi.bmiHeader.biYPelsPerMeter = 1;
  TWindowDC screen(nullptr);
  GetDIBits(screen.Get(), bitmap.Handle(), 0, UINT(h), buffer.data(), &bi, DIB_RGB_COLORS);
  return buffer;
}

// Turns the bitmap a quarter: new pixel (x', y') comes from source(x', y')
// in the old image's top-down coordinates.
template <typename Source>
void Rotate(TBitmap& bitmap, Source source) {
  bitmap.SetPixelFormat(pf24bit);
  const int w = bitmap.Width(), h = bitmap.Height();
  if (bitmap.Empty()) return;
  const std::vector<uint8_t> pixels = ReadPixels32(bitmap);
  bitmap.SetSize(h, w);
  for (int y = 0; y < w; ++y) {
    uint8_t* out = Row(bitmap, y);
    for (int x = 0; x < h; ++x, out += 3) {
      POINT p = source(x, y, w, h);
      std::memcpy(out, &pixels[(size_t(h - 1 - p.y) * size_t(w) + size_t(p.x)) * 4], 3);
    }
  }
}

}  // namespace

void MirrorBitmap(TBitmap& bitmap) {
  bitmap.SetPixelFormat(pf24bit);
  const int w = bitmap.Width(), h = bitmap.Height();
  TBitmap mirrored(w, h, pf24bit);
  for (int y = 0; y < h; ++y) {
    const uint8_t* from = Row(bitmap, y);
    uint8_t* to = Row(mirrored, y);
    for (int x = 0; x < w; ++x) std::memcpy(to + 3 * x, from + 3 * (w - 1 - x), 3);
  }
  ReplacePixels(bitmap, mirrored);
}

void FlipBitmap(TBitmap& bitmap) {
  bitmap.SetPixelFormat(pf24bit);
  const int w = bitmap.Width(), h = bitmap.Height();
  TBitmap flipped(w, h, pf24bit);
  for (int y = 0; y < h; ++y) std::memcpy(Row(flipped, h - 1 - y), Row(bitmap, y), size_t(w) * 3);
  ReplacePixels(bitmap, flipped);
}

void RotateBitmapLeft(TBitmap& bitmap) {
  // The old top edge becomes the new left edge, read from right to left.
  Rotate(bitmap, [](int x, int y, int w, int) { return POINT{w - 1 - y, x}; });
}

void RotateBitmapRight(TBitmap& bitmap) {
  // The old left edge becomes the new top edge.
  Rotate(bitmap, [](int x, int y, int, int h) { return POINT{y, h - 1 - x}; });
}
