#include "host/BmpFile.h"
#include <cstring>

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kCoreHeaderSize = 12;
constexpr size_t kInfoHeaderSize = 40;
constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;
// A few bytes of run-length codes can describe any size of image, so its
// pixels are bounded here rather than by the file: 4096 x 4096 at 8 bits.
constexpr uint64_t kMaxRlePixelBytes = 16u << 20;

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

bool IsRle(const THeader& h) { return h.Compression == kRle8 || h.Compression == kRle4; }

// Checks the compression against the bit count and reads the bit-field masks.
bool ReadFormat(const uint8_t* data, size_t size, THeader& h) {
  if (h.Compression == kRgb) return h.BitCount == 1 || h.BitCount == 4 || h.BitCount == 8 || h.BitCount == 16 ||
                                    h.BitCount == 24 || h.BitCount == 32;
  // Run-length files are bottom-up only: a negative height is invalid there.
  if (IsRle(h)) return h.BitCount == (h.Compression == kRle8 ? 8 : 4) && h.Height > 0;
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

// Where run-length codes put their pixels: positions count rows from the
// bottom, as the stream does. Pixels outside the image are dropped, so runs
// and deltas that overshoot it are clipped rather than wrapped.
class TRleCanvas {
 public:
  explicit TRleCanvas(TBmpImage& image)
      : FImage(image), FStride(BmpStride(image.Width, image.BitCount)) {}

  bool Nibbles() const { return FImage.BitCount == 4; }

  // How many of count pixels from (x, y) on lie inside the image: a run is
  // clipped once, not pixel by pixel.
  unsigned Inside(uint64_t x, uint64_t y, unsigned count) const {
    if (x >= uint64_t(FImage.Width) || y >= uint64_t(FImage.Height)) return 0;
    const uint64_t room = uint64_t(FImage.Width) - x;
    return room < count ? unsigned(room) : count;
  }

  // A pixel inside the image (see Inside).
  void Put(uint64_t x, uint64_t y, uint8_t index) {
    uint8_t* row = FImage.Pixels.data() + FStride * size_t(uint64_t(FImage.Height) - 1 - y);
    if (!Nibbles()) {
      row[x] = index;
      return;
    }
    uint8_t& pair = row[x / 2];
    pair = x % 2 ? uint8_t((pair & 0xF0) | index) : uint8_t((pair & 0x0F) | index << 4);
  }

 private:
  TBmpImage& FImage;
  size_t FStride;
};

// Walks the codes without an image: whether a stream reaches its end code
// is known before its pixels (up to kMaxRlePixelBytes) are allocated.
class TRleProbe {
 public:
  explicit TRleProbe(bool nibbles) : FNibbles(nibbles) {}
  bool Nibbles() const { return FNibbles; }
  unsigned Inside(uint64_t, uint64_t, unsigned) const { return 0; }
  void Put(uint64_t, uint64_t, uint8_t) {}

 private:
  bool FNibbles;
};

// Pixel i of a run of 4-bit pixels packed two to a byte, high nibble first.
uint8_t Nibble(uint8_t pair, unsigned i) { return i % 2 ? pair & 0x0F : pair >> 4; }

struct TRleCursor {
  uint64_t X = 0, Y = 0;
};

// Puts count pixels from the cursor on, pixel(i) giving the i-th index.
template <typename TCanvas, typename TPixel>
void PutRun(TCanvas& canvas, TRleCursor& at, unsigned count, TPixel pixel) {
  const unsigned inside = canvas.Inside(at.X, at.Y, count);
  for (unsigned i = 0; i < inside; ++i) canvas.Put(at.X + i, at.Y, pixel(i));
  at.X += count;
}

// An absolute run of count pixels at data, whose bytes are padded to a
// 16-bit word. Returns the bytes it takes, 0 when fewer are left.
template <typename TCanvas>
size_t PutAbsoluteRun(const uint8_t* data, size_t left, unsigned count, TCanvas& canvas, TRleCursor& at) {
  const size_t bytes = canvas.Nibbles() ? (count + 1) / 2 : count;
  const size_t padded = bytes + bytes % 2;
  if (left < padded) return 0;
  PutRun(canvas, at, count, [&](unsigned i) { return canvas.Nibbles() ? Nibble(data[i / 2], i) : data[i]; });
  return padded;
}

// Decodes a BI_RLE8 or BI_RLE4 stream: pairs of a count and a pixel value
// (RLE4: two alternating 4-bit values), or 0 and an escape: 0 end of line,
// 1 end of bitmap, 2 delta (two bytes: right, up), 3 to 255 an absolute
// run. Returns the bytes used up to the end-of-bitmap code; 0 when the data
// ends before it (a truncated file). Every code takes at least two bytes,
// so the work is bounded by the data.
template <typename TCanvas>
size_t DecodeRle(const uint8_t* data, size_t size, TCanvas& canvas) {
  TRleCursor at;
  size_t pos = 0;
  while (size - pos >= 2) {
    const uint8_t count = data[pos], value = data[pos + 1];
    pos += 2;
    if (count > 0) {
      PutRun(canvas, at, count, [&](unsigned i) { return canvas.Nibbles() ? Nibble(value, i) : value; });
    } else if (value == 0) {
      at = TRleCursor{0, at.Y + 1};
    } else if (value == 1) {
      return pos;
    } else if (value == 2) {
      if (size - pos < 2) return 0;
      at = TRleCursor{at.X + data[pos], at.Y + data[pos + 1]};
      pos += 2;
    } else {
      const size_t used = PutAbsoluteRun(data + pos, size - pos, value, canvas, at);
      if (used == 0) return 0;
      pos += used;
    }
  }
  return 0;
}

// Uncompressed rows (bit fields unpacked to 32 bits), turned top-down.
// Returns the bytes they take, 0 when the data holds fewer.
size_t ReadRows(const uint8_t* data, size_t size, const THeader& h, TBmpImage& image) {
  const size_t stride = BmpStride(image.Width, h.BitCount);
  if (uint64_t(stride) * uint64_t(image.Height) > size) return 0;
  const size_t outStride = BmpStride(image.Width, image.BitCount);
  image.Pixels.resize(outStride * size_t(image.Height));
  for (int y = 0; y < image.Height; ++y) {
    // Positive heights store the bottom row first.
    const uint8_t* row = data + stride * size_t(h.Height > 0 ? image.Height - 1 - y : y);
    uint8_t* out = image.Pixels.data() + outStride * size_t(y);
    if (h.Compression == kBitFields)
      UnpackBitFields(row, h, image.Width, out);
    else
      std::memcpy(out, row, stride);
  }
  return stride * size_t(image.Height);
}

// Run-length coded pixels. Pixels the stream does not set are index 0.
// Returns the bytes of the stream, 0 when it is refused.
size_t ReadRle(const uint8_t* data, size_t size, TBmpImage& image) {
  const uint64_t bytes = uint64_t(BmpStride(image.Width, image.BitCount)) * uint64_t(image.Height);
  if (bytes > kMaxRlePixelBytes) return 0;
  // A damaged stream is refused before its image is allocated and cleared.
  TRleProbe probe(image.BitCount == 4);
  const size_t used = DecodeRle(data, size, probe);
  if (used == 0) return 0;
  image.Pixels.assign(size_t(bytes), 0);
  TRleCanvas canvas(image);
  DecodeRle(data, size, canvas);
  return used;
}

}  // namespace

size_t BmpStride(int width, int bitCount) { return (size_t(width) * size_t(bitCount) + 31) / 32 * 4; }

bool ReadBmp(const uint8_t* data, size_t size, TBmpImage& image) {
  image = TBmpImage();
  THeader h;
  if (!data || !ReadHeader(data, size, h) || !ReadFormat(data, size, h)) return false;
  // Dimensions stay within what a DIB can describe (the height's sign is the
  // row order, so INT_MIN has no positive counterpart).
  int64_t height = h.Height < 0 ? -h.Height : h.Height;
  if (h.Width <= 0 || h.Width > 0x7FFFFFFF / 32 || height <= 0 || height > 0x7FFFFFFF) return false;
  if (!ReadPalette(data, size, h, image)) { image = TBmpImage(); return false; }

  // No offset: the pixels follow the palette as stored, which may be shorter
  // than the one decoded.
  size_t offset = U32(data + 10);
  if (offset == 0) offset = h.TableOffset + StatedColours(h) * h.PaletteEntry;
  // Pixels that start inside the headers or masks would be the headers' bytes.
  if (offset < h.TableOffset || offset > size) {
    image = TBmpImage();
    return false;
  }

  image.Width = int(h.Width);
  image.Height = int(height);
  image.BitCount = h.Compression == kBitFields ? 32 : h.BitCount;
  const size_t used = IsRle(h) ? ReadRle(data + offset, size - offset, image)
                               : ReadRows(data + offset, size - offset, h, image);
  if (used == 0) {
    image = TBmpImage();
    return false;
  }
  image.FileSize = offset + used;
  return true;
}
