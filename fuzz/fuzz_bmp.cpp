// Feeds arbitrary bytes to the BMP decoder and reads back everything it
// accepted, so a buffer sized from the header but not filled, or a palette
// shorter than its indices, shows up under the sanitizers.
#include <cstdint>
#include <cstdlib>

#include "host/BmpFile.h"

namespace {

volatile uint32_t sink;

bool KnownBitCount(int bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
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

  uint32_t sum = 0;
  for (uint8_t b : image.Pixels) sum += b;
  for (uint32_t c : image.Palette) {
    if (c > 0xFFFFFF) std::abort();
    sum += c;
  }
  sink = sum;
  return 0;
}
