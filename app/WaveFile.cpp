#include "app/WaveFile.h"
#include <cstring>

namespace {
uint32_t Le32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }
}  // namespace

bool IsPlayableWave(const uint8_t* data, size_t size) {
  if (!data || size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
    return false;
  if (uint64_t(Le32(data + 4)) + 8 > size) return false;
  bool format = false, samples = false;
  for (size_t at = 12; at + 8 <= size;) {
    uint64_t length = Le32(data + at + 4);
    if (at + 8 + length > size) return false;
    if (std::memcmp(data + at, "fmt ", 4) == 0) format = length >= 16;
    if (std::memcmp(data + at, "data", 4) == 0) samples = true;
    at += 8 + size_t(length) + (length & 1);  // chunks are word-aligned
  }
  return format && samples;
}
