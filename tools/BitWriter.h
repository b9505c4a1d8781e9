#pragma once
#include <cstdint>
#include <vector>

// Most-significant-bit-first bit output; the last byte is padded with zeros.
class TBitWriter {
 public:
  // Appends the low count bits of value (count 0 .. 32).
  void PutBits(uint32_t value, int count);
  // Bits written so far, before any padding.
  uint64_t BitCount() const { return FBytes.size() * uint64_t{8} + uint64_t(FPendingCount); }
  // Pads the pending bits to a whole byte and returns everything written.
  std::vector<uint8_t> Finish();

 private:
  std::vector<uint8_t> FBytes;
  uint64_t FPending = 0;
  int FPendingCount = 0;
};
