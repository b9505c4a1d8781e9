#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// LZHUF encoder whose output TLZH decodes: a little-endian 32-bit size, then
// the bit stream.
class TLzhEncoder {
 public:
  // Throws std::length_error for inputs of 4 GiB or more.
  static std::vector<uint8_t> Compress(const uint8_t* data, size_t size);
  static std::vector<uint8_t> Compress(const std::vector<uint8_t>& data) {
    return Compress(data.data(), data.size());
  }
};
