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
  size_t FileSize = 0;  // bytes from the file's start to the end of its pixels
};

// Bytes in one row of pixels, padded to four bytes.
size_t BmpStride(int width, int bitCount);

// Decodes an uncompressed BMP (BI_RGB, or BI_BITFIELDS, which is unpacked to
// 32 bits per pixel). False for anything else, truncated or inconsistent.
bool ReadBmp(const uint8_t* data, size_t size, TBmpImage& image);
