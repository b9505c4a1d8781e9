// Feeds arbitrary bytes to the BMP decoder and reads back everything it
// accepted, so a buffer sized from the header but not filled, or a palette
// shorter than its indices, shows up under the sanitizers.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "host/BmpFile.h"

namespace {

volatile uint32_t sink;

bool KnownBitCount(int bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32; }

// Reads every pixel byte (up to 16 MB), eight at a time: the sanitizers
// check each read, and a check (and a coverage hook) per byte cost far more
// than decoding the image. The loop's edges say nothing, so it has no hooks.
__attribute__((no_sanitize("coverage"))) uint32_t FoldOf(const std::vector<uint8_t>& bytes) {
  uint64_t fold = 0;
  size_t i = 0;
  for (; i + sizeof fold <= bytes.size(); i += sizeof fold) {
    uint64_t word;
    std::memcpy(&word, bytes.data() + i, sizeof word);
    fold ^= word;
  }
  for (; i < bytes.size(); ++i) fold ^= bytes[i];
  return uint32_t(fold ^ fold >> 32);
}

// A run-length image may state up to 16 MB of pixels in a few bytes, and
// allocating, clearing and reading one costs milliseconds. Those between
// kFuzzMaxRleBytes and the decoder's limit are skipped: the code they reach
// is the same as for smaller ones. Larger ones still go to the decoder, so
// its refusal stays reachable.
constexpr uint64_t kFuzzMaxRleBytes = 1u << 16;
constexpr uint64_t kDecoderMaxRleBytes = 16u << 20;

uint32_t Le(const uint8_t* p, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | p[i];
  return v;
}

bool LargeRleWithinLimit(const uint8_t* data, size_t size) {
  if (size < 34 || Le(data + 14, 4) < 40) return false;
  const uint32_t compression = Le(data + 30, 4);
  if (compression != 1 && compression != 2) return false;
  const int64_t width = int32_t(Le(data + 18, 4));
  const int64_t height = int32_t(Le(data + 22, 4));
  if (width <= 0 || height <= 0) return false;
  const uint64_t bytes = (uint64_t(width) * Le(data + 28, 2) + 31) / 32 * 4 * uint64_t(height);
  return bytes > kFuzzMaxRleBytes && bytes <= kDecoderMaxRleBytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (LargeRleWithinLimit(data, size)) return 0;
  TBmpImage image;
  if (!ReadBmp(data, size, image)) {
    // A refusal leaves nothing behind for the caller to use by mistake.
    if (image.Width || image.Height || !image.Pixels.empty() || !image.Palette.empty()) std::abort();
    return 0;
  }
  if (image.Width <= 0 || image.Height <= 0 || !KnownBitCount(image.BitCount)) std::abort();
  if (image.FileSize > size) std::abort();
  const size_t stride = BmpStride(image.Width, image.BitCount);
  if (image.Pixels.size() != stride * size_t(image.Height)) std::abort();
  // Every index a 1-, 4- or 8-bit pixel can hold has an entry.
  const size_t entries = image.BitCount <= 8 ? size_t(1) << image.BitCount : 0;
  if (image.Palette.size() != entries) std::abort();

  uint32_t sum = FoldOf(image.Pixels);
  for (uint32_t c : image.Palette) {
    if (c > 0xFFFFFF) std::abort();
    sum += c;
  }
  sink = sum;
  return 0;
}
