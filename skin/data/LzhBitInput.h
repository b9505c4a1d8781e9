#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <vector>

// Delivers up to count bytes into buffer and returns how many it delivered;
// 0 means the input is exhausted.
using TLzhReadProc = std::function<size_t(uint8_t* buffer, size_t count)>;

// Most-significant-bit-first reader of the LZHUF bit stream.
//
// Its demand on the reader is that of a 16-bit buffer topped up a byte at a
// time whenever it holds 8 bits or fewer: a read starting at bit c needs the
// bytes up to c / 8 + 1 (two bytes ahead of the bits in use). Callers of the
// package reader rely on that: a whole stream is read to its last byte and
// at most one byte past it. An encoder may leave off its last partial byte,
// so the first few bytes past the end of the input read as 0. Beyond
// kEndSlack such bytes the stream is damaged (a truncated stream or a stated
// size far beyond its data) and the reader throws ElzhException: decoding
// then costs about the input's size, not the size the stream states.
//
// Two ways of reading share the bit position. GetBit and GetByte pull bytes
// exactly as described. Peek and Skip read bytes already pulled, many bits
// at a time; the caller may use them only while HasRoom() is true, which
// leaves room for a whole symbol and its position with the demand above
// already met, so both ways pull the same bytes at the same points.
class TLzhBitInput {
 public:
  static constexpr int kEndSlack = 4;

  explicit TLzhBitInput(const TLzhReadProc& read);

  int GetBit() {
    Demand();
    const int bit = static_cast<int>(Peek() >> 63);
    ++FBit;
    return bit;
  }

  int GetByte() {
    Demand();
    const int byte = static_cast<int>(Peek() >> 56);
    FBit += 8;
    return byte;
  }

  bool HasRoom() const { return (FBit >> 3) + kRoomBytes <= FLen; }

  // The next 57 bits or more, left-aligned.
  uint64_t Peek() const { return PeekAt(FBytes.data(), FBit); }

  void Skip(int bits) { FBit += static_cast<size_t>(bits); }

  // The same for a loop that keeps the position in a local: it may read
  // PeekAt(Data(), bit) for every bit position below RoomEnd() (where
  // HasRoom() holds), and hands the position back with MoveTo.
  const uint8_t* Data() const { return FBytes.data(); }
  size_t Position() const { return FBit; }
  size_t RoomEnd() const { return FLen >= kRoomBytes ? (FLen - kRoomBytes + 1) * 8 : 0; }
  void MoveTo(size_t bit) { FBit = bit; }

  static uint64_t PeekAt(const uint8_t* bytes, size_t bit) {
    uint64_t word;
    std::memcpy(&word, bytes + (bit >> 3), sizeof word);
    return FromBigEndian(word) << (bit & 7);
  }

 private:
  static uint64_t FromBigEndian(uint64_t word) {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    return word;
#else
    return __builtin_bswap64(word);
#endif
  }

  // A symbol takes at most about 24 bits and a position 14; with the two
  // bytes of demand ahead and an 8-byte Peek this leaves a wide margin.
  static constexpr size_t kRoomBytes = 16;
  static constexpr size_t kChunk = 4096;

  void Demand() {
    while (FLen < (FBit >> 3) + 2) Pull();
  }
  void Pull();

  const TLzhReadProc& FRead;
  std::vector<uint8_t> FBytes;  // pulled bytes not yet passed, and 8 spare for Peek
  size_t FLen = 0;              // bytes pulled into FBytes
  size_t FBit = 0;              // position of the next bit in FBytes
  bool FEnded = false;
  int FPastEnd = 0;  // zero bytes handed out after the input ended
};
