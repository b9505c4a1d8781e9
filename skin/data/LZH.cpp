#include "skin/data/LZH.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>

#include "skin/data/ByteOrder.h"
#include "skin/data/LzhCodeTable.h"
#include "skin/data/LzhHuffTree.h"
#include "skin/data/LzhParams.h"
#include "skin/data/LzhPositionCode.h"

using namespace lzh;

namespace {

// Output is decoded straight into one buffer: the initial window as a
// prefix, then the output, so a match is a short forward copy from earlier
// in the buffer instead of a trip through a ring. Written bytes go to the
// writer in chunks of at least kFlushSize; when the buffer is full its last
// kWindowSize bytes move to the front as the prefix of what follows.
constexpr size_t kFlushSize = 4096;
constexpr size_t kOutputSize = 32 * 1024;
constexpr size_t kCopySlack = 16;  // a match copy may write this far past its end
// Longer than any code: the frequency limit keeps the tree's depth near 20
// (a leaf that deep needs Fibonacci-growing counts above it). Peek gives 57.
constexpr int kMaxCodeBits = 48;
// A run reloads its bit window when fewer bits than kRunCodeBits are left
// in it for a code, besides kPositionBits for a match position after it:
// enough for all but rare codes (those go the careful way).
constexpr int kRunCodeBits = 18;
constexpr int kPositionBits = 14;
static_assert(kOutputSize >= 2 * kFlushSize, "a flush must fit before the buffer is full");

}  // namespace

struct TLZH::TTables {
  TLzhHuffTree Tree;
  TLzhCodeTable Codes{Tree};
  // Not cleared: TOutput fills the prefix, and every other byte is written
  // before it is read.
  std::array<uint8_t, kWindowSize + kOutputSize + kMaxMatch + kCopySlack> Buffer;
};

// Where decoded bytes go: see the buffer layout above.
class TLZH::TOutput {
 public:
  TOutput(uint8_t* buffer, const TLzhWriteProc& write) : FBegin(buffer), FWrite(write) {
    // The ring starts as spaces up to the first write position and zeros
    // from there (bytes a stream may read before writing them); in the
    // prefix, the kWindowSize bytes before the output, that is kMaxMatch
    // zeros then the spaces.
    std::fill_n(FBegin, kWindowSize - kStartPos, uint8_t{0});
    std::fill_n(FBegin + (kWindowSize - kStartPos), kStartPos, kFillByte);
    Cur = FFlushed = FBegin + kWindowSize;
    FFlushAt = Cur + kFlushSize;
  }

  uint8_t* Cur;  // the next byte to decode

  bool Due() const { return Cur >= FFlushAt; }
  uint8_t* FlushAt() const { return FFlushAt; }

  // Hands the bytes decoded since the last call to the writer.
  void Flush() {
    if (Cur > FFlushed && FWrite) FWrite(FFlushed, static_cast<size_t>(Cur - FFlushed));
    if (Cur + kFlushSize > FBegin + kWindowSize + kOutputSize) {
      std::memmove(FBegin, Cur - kWindowSize, kWindowSize);
      Cur = FBegin + kWindowSize;
    }
    FFlushed = Cur;
    FFlushAt = Cur + kFlushSize;
  }

 private:
  uint8_t* const FBegin;
  const TLzhWriteProc& FWrite;
  uint8_t* FFlushed;
  uint8_t* FFlushAt;
};

namespace {

// Frees the decoder's tables when a decode ends, however it ends.
template <typename T>
class TResetOnExit {
 public:
  explicit TResetOnExit(std::unique_ptr<T>& owner) : FOwner(owner) {}
  ~TResetOnExit() { FOwner.reset(); }
  TResetOnExit(const TResetOnExit&) = delete;
  TResetOnExit& operator=(const TResetOnExit&) = delete;

 private:
  std::unique_ptr<T>& FOwner;
};

}  // namespace

TLZH::TLZH() = default;
TLZH::~TLZH() = default;

void TLZH::AllocateTables() {
  try {
    FTables.reset(new TTables);  // not make_unique: that would clear the buffer too
  } catch (const std::bad_alloc&) {
    throw ElzhException(kLzhNoMemoryMessage);
  }
}

namespace {

// Where a walk down a code ended: the child entry reached (a leaf unless
// the code is longer than the walk may go), the code's length in bits, and
// the nodes passed, Path[level - 1] the node at depth level.
struct TCodeWalk {
  int Child;
  int Depth;
  const uint16_t* Path;
};

// Walks the code at the top of a left-aligned window, at most validBits
// deep: the top levels by one lookup, the rest a bit at a time. A code that
// ends within the table, most of them, uses the entry's path as it is (the
// update reads it before it changes the table); a longer one continues a
// copy of it in scratch (kMaxCodeBits nodes). Inlined: it runs once per
// symbol, and as a call it costs a tenth of a short code's time.
#if defined(__GNUC__)
__attribute__((always_inline))
#endif
inline TCodeWalk WalkCode(const TLzhHuffTree& tree, const TLzhCodeTable& codes, uint64_t window, int validBits,
                          uint16_t* scratch) {
  const TLzhCodeTable::TEntry& entry = codes.Lookup(window);
  int child = entry.Child;
  if (child >= kNodeCount) return {child, entry.Bits, entry.Path.data()};
  std::memcpy(scratch, entry.Path.data(), sizeof entry.Path);  // a fixed size: no library call
  int bits = entry.Bits;
  while (child < kNodeCount && bits < validBits) {
    const int node = child + static_cast<int>((window << bits) >> 63);
    scratch[bits++] = static_cast<uint16_t>(node);
    child = tree.Child(node);
  }
  return {child, bits, scratch};
}

// The match position at the top of a left-aligned window; length receives
// its length in bits.
int PositionAt(uint64_t window, int& length) {
  const int first = static_cast<int>(window >> 56);
  length = kLzhPositionCode.Length[first] + 6;  // prefix and the six lower bits
  return (kLzhPositionCode.Upper[first] << 6) | static_cast<int>((window >> (64 - length)) & 0x3F);
}

}  // namespace

int TLZH::DecodeChar(TLzhBitInput& bits) {
  TLzhHuffTree& tree = FTables->Tree;
  int child = tree.Child(kRootNode);
  if (bits.HasRoom()) {
    uint16_t scratch[kMaxCodeBits];
    const TCodeWalk walk = WalkCode(tree, FTables->Codes, bits.Peek(), kMaxCodeBits, scratch);
    bits.Skip(walk.Depth);
    child = walk.Child;
    if (child >= kNodeCount) {
      const int symbol = child - kNodeCount;
      tree.UpdateAlong(symbol, walk.Path, walk.Depth, FTables->Codes);
      return symbol;
    }
  }
  // Near the end of what was read, bit by bit, pulling input exactly as needed.
  while (child < kNodeCount) child = tree.Child(child + bits.GetBit());
  const int symbol = child - kNodeCount;
  tree.Update(symbol, FTables->Codes);
  return symbol;
}

int TLZH::DecodePosition(TLzhBitInput& bits) {
  if (bits.HasRoom()) {
    int length = 0;
    const int position = PositionAt(bits.Peek(), length);
    bits.Skip(length);
    return position;
  }
  const int first = bits.GetByte();
  int code = first;
  for (int extra = kLzhPositionCode.Length[first] - 2; extra > 0; --extra) {
    code = (code << 1) | bits.GetBit();
  }
  return (kLzhPositionCode.Upper[first] << 6) | (code & 0x3F);
}

namespace {

// For a match closer than 8 bytes, by its distance: the mask of one period
// in the low bytes of a little-endian word, the factor that repeats it over
// the word, and how many bytes of the word are whole periods.
struct TShortPeriods {
  uint64_t Mask[8];
  uint64_t Repeat[8];
  uint8_t Step[8];
};

constexpr TShortPeriods MakeShortPeriods() {
  TShortPeriods table{};
  for (int distance = 1; distance < 8; ++distance) {
    table.Mask[distance] = (uint64_t{1} << (8 * distance)) - 1;
    for (int at = 0; at < 8; at += distance) table.Repeat[distance] |= uint64_t{1} << (8 * at);
    table.Step[distance] = static_cast<uint8_t>(8 - 8 % distance);
  }
  return table;
}

constexpr TShortPeriods kShortPeriods = MakeShortPeriods();

// The first eight bytes of a match closer than 8 bytes, as a word.
uint64_t RepeatedPeriod(const uint8_t* from, int distance) {
  uint64_t word;
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
  std::memcpy(&word, from, sizeof word);
  word = (word & kShortPeriods.Mask[distance]) * kShortPeriods.Repeat[distance];
#else
  uint8_t bytes[8];
  for (int i = 0; i < 8; ++i) bytes[i] = from[i % distance];
  std::memcpy(&word, bytes, sizeof word);
#endif
  return word;
}

// Copies a match that starts distance bytes back, with the result of a copy
// byte by byte: a source overlapping the bytes being written repeats them.
// May write up to kCopySlack - 1 bytes past the match. Inlined: as a call
// it spills the run's registers once per match.
#if defined(__GNUC__)
__attribute__((always_inline))
#endif
inline void CopyMatch(uint8_t* out, int distance, int length) {
  const uint8_t* from = out - distance;
  if (distance >= 16) {
    // Each piece reads only bytes already final.
    for (int k = 0; k < length; k += 16) std::memcpy(out + k, from + k, 16);
    return;
  }
  // A short period: the match repeats its first distance bytes. Stores of
  // whole periods from a register, loaded before the first store, never
  // read back bytes just written (a load that straddles a fresh store
  // stalls the copy).
  if (distance >= 8) {
    // A store's bytes past the period are overwritten by the next store or
    // lie in the slack.
    uint8_t period[16];
    std::memcpy(period, from, sizeof period);
    for (int k = 0; k < length; k += distance) std::memcpy(out + k, period, sizeof period);
    return;
  }
  const uint64_t word = RepeatedPeriod(from, distance);
  const int step = kShortPeriods.Step[distance];
  for (int k = 0; k < length; k += step) std::memcpy(out + k, &word, sizeof word);
}

}  // namespace

uint64_t TLZH::DecodeRun(uint64_t count, uint32_t size, TLzhBitInput& bits, TOutput& output) {
  // Everything the loop touches in locals: the writer and the reader are
  // reached only outside it, so the position and output pointer stay in
  // registers.
  TLzhHuffTree& tree = FTables->Tree;
  TLzhCodeTable& codes = FTables->Codes;
  const uint8_t* const bytes = bits.Data();
  const size_t roomEnd = bits.RoomEnd();
  uint8_t* const flushAt = output.FlushAt();
  size_t bit = bits.Position();
  uint8_t* const start = output.Cur;
  uint8_t* out = start;
  // The count grows with the output, so one bound covers the size and the
  // next flush.
  const uint64_t room = flushAt > start ? static_cast<uint64_t>(flushAt - start) : 0;
  uint8_t* const stop = start + std::min<uint64_t>(room, size - count);
  // The bits at bit, left-aligned, of which the first kPositionBits +
  // codeBits are real: a code may take codeBits of them and leave room for
  // a position. The next symbol's lookup takes them by a shift instead of
  // a load at the new position, which would put a load and a byte swap
  // between one symbol's length and the next symbol's lookup.
  uint64_t window = 0;
  int codeBits = 0;
  while (out < stop && bit < roomEnd) {
    if (codeBits < kRunCodeBits) {
      window = TLzhBitInput::PeekAt(bytes, bit);
      codeBits = 64 - static_cast<int>(bit & 7) - kPositionBits;
    }
    uint16_t scratch[kMaxCodeBits];
    const TCodeWalk walk = WalkCode(tree, codes, window, codeBits, scratch);
    if (walk.Child < kNodeCount) break;  // longer than the bits at hand: DecodeChar finishes it
    bit += static_cast<size_t>(walk.Depth);
    window <<= walk.Depth;
    codeBits -= walk.Depth;
    const int symbol = walk.Child - kNodeCount;
    tree.UpdateAlong(symbol, walk.Path, walk.Depth, codes);
    if (symbol < 256) {
      *out++ = static_cast<uint8_t>(symbol);
    } else {
      // The walk left room in the window for the position. After it, a
      // fresh load: a match is long work anyway, and it costs less than the
      // branch that would decide whether one is needed.
      int bitsUsed = 0;
      const int position = PositionAt(window, bitsUsed);
      bit += static_cast<size_t>(bitsUsed);
      window = TLzhBitInput::PeekAt(bytes, bit);
      codeBits = 64 - static_cast<int>(bit & 7) - kPositionBits;
      const int length = symbol - kMatchSymbolBias;
      CopyMatch(out, position + 1, length);
      out += length;
    }
  }
  bits.MoveTo(bit);
  output.Cur = out;
  return count + static_cast<uint64_t>(out - start);
}

uint64_t TLZH::DecodeOne(uint64_t count, TLzhBitInput& bits, TOutput& output) {
  const int symbol = DecodeChar(bits);
  if (symbol < 256) {
    *output.Cur++ = static_cast<uint8_t>(symbol);
    return count + 1;
  }
  const int length = symbol - kMatchSymbolBias;
  CopyMatch(output.Cur, DecodePosition(bits) + 1, length);
  output.Cur += length;
  return count + static_cast<uint64_t>(length);
}

void TLZH::DecodeLoop(uint32_t size, TLzhBitInput& bits, TOutput& output) {
  // 64-bit count: a final match may carry it past size.
  for (uint64_t count = 0; count < size;) {
    count = DecodeRun(count, size, bits, output);
    // The run stops when the output is due, the input nears the end of what
    // was read (one symbol then goes the careful way, pulling input exactly
    // as needed), or a code is overlong.
    if (count < size && !output.Due()) count = DecodeOne(count, bits, output);
    if (output.Due()) output.Flush();
  }
}

void TLZH::LZHUnpack(uint32_t size, const TLzhReadProc& read, const TLzhWriteProc& write) {
  if (size > FMaxSize) throw ElzhException(kLzhTooLargeMessage);
  if (size == 0) return;
  TResetOnExit<TTables> release(FTables);
  AllocateTables();
  TLzhBitInput bits(read);
  TOutput output(FTables->Buffer.data(), write);
  DecodeLoop(size, bits, output);
  output.Flush();
}

std::vector<uint8_t> TLZH::Expand(const uint8_t* data, size_t size, uint32_t maxSize) {
  if (data == nullptr || size < 4) throw ElzhException(kLzhNoSizeMessage);
  const uint32_t stated = ReadLE32(data);
  TLZH decoder;
  decoder.SetMaxSize(maxSize);

  size_t pos = 4;
  const TLzhReadProc read = [&](uint8_t* buffer, size_t count) {
    const size_t n = std::min(count, size - pos);
    std::copy(data + pos, data + pos + n, buffer);
    pos += n;
    return n;
  };
  std::vector<uint8_t> out;
  // An oversized claim is refused below. A tiny stream may claim a large
  // size and fail early, so reserve no more than its input can make: a
  // literal takes at least a bit, a match of up to kMaxMatch bytes at
  // least ten.
  const uint64_t canMake = (uint64_t{size} + TLzhBitInput::kEndSlack) * 8 * (kMaxMatch / 10 + 1);
  out.reserve(static_cast<size_t>(std::min<uint64_t>({stated, maxSize, canMake})));
  const TLzhWriteProc write = [&](const uint8_t* bytes, size_t count) {
    out.insert(out.end(), bytes, bytes + count);
  };
  decoder.LZHUnpack(stated, read, write);
  return out;
}
