#include "tools/BitWriter.h"

void TBitWriter::PutBits(uint32_t value, int count) {
  if (count <= 0) return;
  const uint64_t mask = (count >= 32) ? 0xFFFFFFFFull : ((1ull << count) - 1);
  FPending = (FPending << count) | (value & mask);
  FPendingCount += count;
  while (FPendingCount >= 8) {
    FPendingCount -= 8;
    FBytes.push_back(static_cast<uint8_t>(FPending >> FPendingCount));
  }
  FPending &= (1ull << FPendingCount) - 1;
}

std::vector<uint8_t> TBitWriter::Finish() {
  if (FPendingCount > 0) PutBits(0, 8 - FPendingCount);
  return std::move(FBytes);
}
