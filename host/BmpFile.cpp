#include "host/BmpFile.h"
#include <cstring>

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kCoreHeaderSize = 12;
constexpr size_t kInfoHeaderSize = 40;
constexpr uint32_t kRgb = 0, kBitFields = 3;

// Little-endian reads from a buffer whose bounds the caller has checked.
uint16_t U16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
uint32_t U32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }

struct THeader {
  int64_t Width = 0, Height = 0;
  int BitCount = 0;
  uint32_t Compression = kRgb;
  uint32_t ColoursUsed = 0;
  size_t Size = 0;          // of the info header
  size_t PaletteEntry = 4;  // bytes per palette entry: 3 in the old core header
  uint32_t Masks[3] = {};   // red, green, blue for BI_BITFIELDS
  size_t TableOffset = 0;   // where the masks or the palette follow the header
};

bool ReadHeader(const uint8_t* data, size_t size, THeader& h) {
  if (size < kFileHeaderSize + kCoreHeaderSize || data[0] != 'B' || data[1] != 'M') return false;
  const uint8_t* p = data + kFileHeaderSize;
  h.Size = U32(p);
  if (h.Size > size - kFileHeaderSize) return false;
  if (h.Size == kCoreHeaderSize) {
    h.Width = U16(p + 4);
    h.Height = U16(p + 6);
    h.BitCount = U16(p + 10);
    h.PaletteEntry = 3;
  } else if (h.Size >= kInfoHeaderSize) {
    h.Width = int32_t(U32(p + 4));
    h.Height = int32_t(U32(p + 8));
    h.BitCount = U16(p + 14);
    h.Compression = U32(p + 16);
    h.ColoursUsed = U32(p + 32);
  } else {
    return false;
  }
  h.TableOffset = kFileHeaderSize + h.Size;
  return true;
}

bool ReadMasks(const uint8_t* data, size_t size, THeader& h) {
  if (h.Compression == kRgb) return h.BitCount == 1 || h.BitCount == 4 || h.BitCount == 8 || h.BitCount == 16 ||
                                    h.BitCount == 24 || h.BitCount == 32;
  if (h.Compression != kBitFields || (h.BitCount != 16 && h.BitCount != 32)) return false;
  // The masks are part of the newer headers, or follow the 40-byte one.
  size_t at = kFileHeaderSize + kInfoHeaderSize;
  if (size < at + 12) return false;
  for (int i = 0; i < 3; ++i) h.Masks[i] = U32(data + at + 4 * i);
  if (h.Size == kInfoHeaderSize) h.TableOffset += 12;
  return true;
}

// Palette entries the file holds: the colours it states, at most one per index.
size_t StatedColours(const THeader& h) {
  if (h.BitCount > 8) return 0;
  size_t entries = size_t(1) << h.BitCount;
  return h.ColoursUsed && h.ColoursUsed < entries ? h.ColoursUsed : entries;
}

bool ReadPalette(const uint8_t* data, size_t size, const THeader& h, TBmpImage& image) {
  if (h.BitCount > 8) return true;
  size_t entries = size_t(1) << h.BitCount;
  size_t stated = StatedColours(h);
  if (h.TableOffset > size || (size - h.TableOffset) / h.PaletteEntry < stated) return false;
  // Indices beyond a short palette still find an entry: black.
  image.Palette.assign(entries, 0);
  for (size_t i = 0; i < stated; ++i) {
    const uint8_t* e = data + h.TableOffset + i * h.PaletteEntry;
    image.Palette[i] = uint32_t(e[0]) | uint32_t(e[1]) << 8 | uint32_t(e[2]) << 16;
  }
  return true;
}

// One channel of a bit-field pixel, scaled to 0..255.
uint32_t Channel(uint32_t pixel, uint32_t mask) {
  if (!mask) return 0;
  int shift = 0;
  while (!((mask >> shift) & 1)) ++shift;
  uint32_t max = mask >> shift;
  uint32_t value = (pixel & mask) >> shift;
  return uint32_t((uint64_t(value) * 255 + max / 2) / max);
}

void UnpackBitFields(const uint8_t* row, const THeader& h, int width, uint8_t* out) {
  for (int x = 0; x < width; ++x) {
    uint32_t pixel = h.BitCount == 16 ? U16(row + 2 * x) : U32(row + 4 * x);
    out[4 * x] = uint8_t(Channel(pixel, h.Masks[2]));
    out[4 * x + 1] = uint8_t(Channel(pixel, h.Masks[1]));
    out[4 * x + 2] = uint8_t(Channel(pixel, h.Masks[0]));
    out[4 * x + 3] = 0;
  }
}

}  // namespace

size_t BmpStride(int width, int bitCount) { return (size_t(width) * size_t(bitCount) + 31) / 32 * 4; }

bool ReadBmp(const uint8_t* data, size_t size, TBmpImage& image) {
  image = TBmpImage();
  THeader h;
  if (!data || !ReadHeader(data, size, h) || !ReadMasks(data, size, h)) return false;
  // Dimensions stay within what a DIB can describe (the height's sign is the
  // row order, so INT_MIN has no positive counterpart).
  int64_t height = h.Height < 0 ? -h.Height : h.Height;
  if (h.Width <= 0 || h.Width > 0x7FFFFFFF / 32 || height <= 0 || height > 0x7FFFFFFF) return false;
  if (!ReadPalette(data, size, h, image)) { image = TBmpImage(); return false; }

  // No offset: the pixels follow the palette as stored, which may be shorter
  // than the one decoded.
  size_t offset = U32(data + 10);
  if (offset == 0) offset = h.TableOffset + StatedColours(h) * h.PaletteEntry;
  size_t stride = BmpStride(int(h.Width), h.BitCount);
  // Pixels that start inside the headers or masks would be the headers' bytes.
  if (offset < h.TableOffset || offset > size || uint64_t(stride) * uint64_t(height) > size - offset) {
    image = TBmpImage();
    return false;
  }

  image.Width = int(h.Width);
  image.Height = int(height);
  image.BitCount = h.Compression == kBitFields ? 32 : h.BitCount;
  image.FileSize = offset + stride * size_t(height);
  size_t outStride = BmpStride(image.Width, image.BitCount);
  image.Pixels.resize(outStride * size_t(height));
  for (int64_t y = 0; y < height; ++y) {
    // Positive heights store the bottom row first.
    const uint8_t* row = data + offset + stride * size_t(h.Height > 0 ? height - 1 - y : y);
    uint8_t* out = image.Pixels.data() + outStride * size_t(y);
    if (h.Compression == kBitFields)
      UnpackBitFields(row, h, image.Width, out);
    else
      std::memcpy(out, row, stride);
  }
  return true;
}
