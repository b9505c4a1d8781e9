#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>

// Delivers up to count bytes into buffer and returns how many it delivered;
// 0 means the input is exhausted.
using TLzhReadProc = std::function<size_t(uint8_t* buffer, size_t count)>;

// Most-significant-bit-first reader of the LZHUF bit stream. The buffer
// reads up to two bytes ahead of the bits in use, and an encoder may leave
// off its last partial byte, so the first few bytes past the end of the
// input read as 0. Beyond kEndSlack such bytes the stream is damaged (a
// truncated stream or a stated size far beyond its data) and the reader
// throws ElzhException: decoding then costs about the input's size, not the
// size the stream states.
class TLzhBitInput {
 public:
  static constexpr int kEndSlack = 4;

  explicit TLzhBitInput(const TLzhReadProc& read) : FRead(read) {}

  int GetBit() {
    Fill();
    const int bit = FBuffer >> 15;
    FBuffer = static_cast<uint16_t>(FBuffer << 1);
    --FCount;
    return bit;
  }

  int GetByte() {
    Fill();
    const int byte = FBuffer >> 8;
    FBuffer = static_cast<uint16_t>(FBuffer << 8);
    FCount -= 8;
    return byte;
  }

 private:
  // Tops the 16-bit buffer up while it holds 8 bits or fewer.
  void Fill() {
    while (FCount <= 8) {
      FBuffer = static_cast<uint16_t>(FBuffer | (NextByte() << (8 - FCount)));
      FCount += 8;
    }
  }

  unsigned NextByte() {
    if (FChunkPos == FChunkLen && !Refill()) return PastEnd();
    return FChunk[FChunkPos++];
  }

  bool Refill();
  unsigned PastEnd();

  const TLzhReadProc& FRead;
  std::array<uint8_t, 4096> FChunk{};
  size_t FChunkPos = 0;
  size_t FChunkLen = 0;
  bool FEnded = false;
  int FPastEnd = 0;  // zero bytes handed out after the input ended
  uint16_t FBuffer = 0;
  int FCount = 0;
};
