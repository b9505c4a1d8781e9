#include "skin/data/SkinPackExpand.h"

#include <algorithm>

#include "skin/data/ByteOrder.h"
#include "skin/data/LZH.h"

namespace {
// The bit reader tops its 16-bit buffer up whenever 8 bits or fewer are
// left, so it holds between 1 and 15 unused bits after every read: a whole
// stream of B bits (ceil(B / 8) bytes, the last one padded) has been read up
// to at most one byte past its end, and never short of its last byte.
constexpr size_t kReadAhead = 1;

// Raised by the input when the decoder wants more than the stream and its
// read-ahead: the stream was cut, so decoding on would only make garbage.
struct TStreamCut {};

// Hands the stream to the decoder and counts what it took. All but the last
// byte go in chunks; the last byte and the read-ahead go one at a time, each
// only when the decoder asks, so the count is exact where it matters: a
// decoder that stops short of the last byte never asked for it.
class TCountingInput {
 public:
  TCountingInput(const uint8_t* stream, size_t length) : FStream(stream), FLength(length) {}

  size_t Read(uint8_t* buffer, size_t count) {
    if (count == 0) return 0;
    if (FTaken + 1 < FLength) {
      const size_t n = std::min(count, FLength - 1 - FTaken);
      std::copy(FStream + FTaken, FStream + FTaken + n, buffer);
      FTaken += n;
      return n;
    }
    if (FTaken >= FLength + kReadAhead) throw TStreamCut{};
    buffer[0] = FTaken < FLength ? FStream[FTaken] : 0;
    ++FTaken;
    return 1;
  }

  // Whether the decoder stopped before the last byte of the stream.
  bool LeftBytes() const { return FTaken < FLength; }

 private:
  const uint8_t* FStream;
  size_t FLength;
  size_t FTaken = 0;
};
}  // namespace

bool ExpandWholePackage(const uint8_t* data, size_t size, uint32_t maxSize, std::vector<uint8_t>& out,
                        std::string& why) {
  if (data == nullptr || size < 4) throw ElzhException(kLzhNoSizeMessage);
  const uint32_t stated = ReadLE32(data);
  TCountingInput input(data + 4, size - 4);
  std::vector<uint8_t> expanded;
  TLZH decoder;
  decoder.SetMaxSize(maxSize);
  try {
    decoder.LZHUnpack(
        stated, [&input](uint8_t* buffer, size_t count) { return input.Read(buffer, count); },
        [&expanded](const uint8_t* bytes, size_t count) { expanded.insert(expanded.end(), bytes, bytes + count); });
  } catch (const TStreamCut&) {
    why = "the compressed stream ends before its stated size";
    return false;
  }
  // The encoder never writes a match past the end, so a longer result means
  // the stream and its size field disagree.
  if (expanded.size() != stated) {
    why = "the compressed stream decodes past its stated size";
    return false;
  }
  if (input.LeftBytes()) {
    why = "bytes follow the end of the compressed stream";
    return false;
  }
  out = std::move(expanded);
  return true;
}
