// Reading BMP files from memory. Every size and offset a file states is
// checked against the bytes actually there, so a damaged file is refused
// instead of being read past its end.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// A decoded BMP. Rows run top-down, each padded to four bytes, BitCount bits
// per pixel: 1, 4 or 8 (indices into Palette, which then has 2^BitCount
// entries), 16 (x-5-5-5), 24 (blue, green, red) or 32 (blue, green, red, x).
// Palette entries and 32-bit pixels read as 0x00RRGGBB.
struct TBmpImage {
  int Width = 0, Height = 0, BitCount = 0;
  std::vector<uint32_t> Palette;
  std::vector<uint8_t> Pixels;
  size_t FileSize = 0;  // bytes from the file's start to the end of its pixels (RLE: of its end code)
};

// Bytes in one row of pixels, padded to four bytes.
size_t BmpStride(int width, int bitCount);

// Decodes an uncompressed BMP (BI_RGB, or BI_BITFIELDS, which is unpacked to
// 32 bits per pixel) or a run-length coded one (BI_RLE8 on 8 bits, BI_RLE4
// on 4 bits, bottom-up only), which gives 8- or 4-bit indices; pixels its
// codes leave out are index 0, and runs or deltas past the image's edges
// are clipped. False for anything else, truncated or inconsistent: a
// run-length stream must end with its end-of-bitmap code, and its image may
// hold at most 16 MB of pixels.
bool ReadBmp(const uint8_t* data, size_t size, TBmpImage& image);
