#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Little-endian 32-bit fields, as used by packages on disk.
inline uint32_t ReadLE32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

inline void AppendLE32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

// Whether a length can be stored in a 32-bit field (always, where size_t is 32 bits).
inline bool FitsIn32(size_t n) {
  if constexpr (sizeof(size_t) > 4) {
    return n <= 0xFFFFFFFFu;
  } else {
    return true;
  }
}
