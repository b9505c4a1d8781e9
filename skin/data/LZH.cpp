#include "skin/data/LZH.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>

#include "skin/data/ByteOrder.h"
#include "skin/data/LzhHuffTree.h"
#include "skin/data/LzhParams.h"
#include "skin/data/LzhPositionCode.h"

using namespace lzh;

struct TLZH::TTables {
  TLzhHuffTree Tree;
  std::array<uint8_t, kWindowSize> Window{};
};

// Collects decoded bytes and hands them to the writer in chunks.
class TLZH::TOutput {
  static constexpr size_t kChunkSize = 4096;
  static_assert(kChunkSize >= kMaxMatch, "Append needs room for a whole match");

 public:
  explicit TOutput(const TLzhWriteProc& write) : FWrite(write) {}

  // Both make room before writing, so the chunk never overflows.
  void Put(uint8_t byte) {
    if (FLen == FChunk.size()) Flush();
    FChunk[FLen++] = byte;
  }

  void Append(const uint8_t* bytes, size_t count) {
    if (FLen + count > FChunk.size()) Flush();
    std::copy(bytes, bytes + count, FChunk.data() + FLen);
    FLen += count;
  }

  void Flush() {
    if (FLen > 0 && FWrite) FWrite(FChunk.data(), FLen);
    FLen = 0;
  }

 private:
  const TLzhWriteProc& FWrite;
  std::array<uint8_t, kChunkSize> FChunk{};
  size_t FLen = 0;
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
    FTables = std::make_unique<TTables>();
  } catch (const std::bad_alloc&) {
    throw ElzhException(kLzhNoMemoryMessage);
  }
  std::fill(FTables->Window.begin(), FTables->Window.begin() + kStartPos, kFillByte);
  // The bytes from kStartPos on stay 0, so a stream that refers to them
  // before writing them reads defined data.
}

int TLZH::DecodeChar(TLzhBitInput& bits) {
  const TLzhHuffTree& tree = FTables->Tree;
  int node = tree.Child(kRootNode);
  while (node < kNodeCount) node = tree.Child(node + bits.GetBit());
  const int symbol = node - kNodeCount;
  FTables->Tree.Update(symbol);
  return symbol;
}

int TLZH::DecodePosition(TLzhBitInput& bits) {
  const int first = bits.GetByte();
  const int upper = kLzhPositionCode.Upper[first];
  int code = first;
  for (int extra = kLzhPositionCode.Length[first] - 2; extra > 0; --extra) {
    code = (code << 1) | bits.GetBit();
  }
  return (upper << 6) | (code & 0x3F);
}

namespace {

// Copies a match inside the window to the write position r and returns
// where the copied bytes now lie contiguously (the window, or scratch when
// they wrap). The result is always that of copying byte by byte, so a
// source overlapping the bytes being written repeats them.
const uint8_t* CopyMatch(uint8_t* window, int from, int r, int length, uint8_t* scratch) {
  const int distance = (r - from) & kWindowMask;
  const bool noWrap = from + length <= kWindowSize && r + length <= kWindowSize;
  if (noWrap && (distance == 0 || distance >= length)) {
    std::memmove(window + r, window + from, static_cast<size_t>(length));
    return window + r;
  }
  if (noWrap && from < r) {
    // A short period: lay down one period, then double what is written.
    uint8_t* dst = window + r;
    std::memcpy(dst, window + from, static_cast<size_t>(distance));
    for (int done = distance; done < length;) {
      const int n = std::min(done, length - done);
      std::memcpy(dst + done, dst, static_cast<size_t>(n));
      done += n;
    }
    return dst;
  }
  for (int k = 0; k < length; ++k) {
    const uint8_t byte = window[(from + k) & kWindowMask];
    scratch[k] = byte;
    window[(r + k) & kWindowMask] = byte;
  }
  return scratch;
}

}  // namespace

void TLZH::DecodeLoop(uint32_t size, TLzhBitInput& bits, TOutput& output) {
  uint8_t* window = FTables->Window.data();
  int r = kStartPos;
  // 64-bit count: a final match may carry it past size.
  for (uint64_t count = 0; count < size;) {
    const int symbol = DecodeChar(bits);
    if (symbol < 256) {
      const uint8_t byte = static_cast<uint8_t>(symbol);
      output.Put(byte);
      window[r] = byte;
      r = (r + 1) & kWindowMask;
      ++count;
      continue;
    }
    const int from = (r - DecodePosition(bits) - 1) & kWindowMask;
    const int length = symbol - kMatchSymbolBias;
    uint8_t scratch[kMaxMatch];
    output.Append(CopyMatch(window, from, r, length, scratch), static_cast<size_t>(length));
    r = (r + length) & kWindowMask;
    count += static_cast<uint64_t>(length);
  }
}

void TLZH::LZHUnpack(uint32_t size, const TLzhReadProc& read, const TLzhWriteProc& write) {
  if (size > FMaxSize) throw ElzhException(kLzhTooLargeMessage);
  if (size == 0) return;
  TResetOnExit<TTables> release(FTables);
  AllocateTables();
  TLzhBitInput bits(read);
  TOutput output(write);
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
  out.reserve(std::min(stated, maxSize));  // an oversized claim is refused below
  const TLzhWriteProc write = [&](const uint8_t* bytes, size_t count) {
    out.insert(out.end(), bytes, bytes + count);
  };
  decoder.LZHUnpack(stated, read, write);
  return out;
}
