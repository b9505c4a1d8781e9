#include "tools/LzhEncoder.h"

#include <algorithm>
#include <stdexcept>

#include "skin/data/ByteOrder.h"
#include "skin/data/LzhParams.h"
#include "tools/LzhMatchFinder.h"
#include "tools/LzhSymbolWriter.h"

using namespace lzh;

namespace {

// Feeds input bytes into the window one position at a time.
class TLookahead {
 public:
  TLookahead(const uint8_t* data, size_t size) : FData(data), FSize(size) {}
  bool More() const { return FPos < FSize; }
  uint8_t Next() { return FData[FPos++]; }

 private:
  const uint8_t* FData;
  size_t FSize;
  size_t FPos = 0;
};

void EncodeAll(TLookahead& input, TLzhMatchFinder& finder, TLzhSymbolWriter& writer) {
  int s = 0;  // oldest window position, replaced next
  int r = kStartPos;
  int len = 0;  // bytes in the lookahead
  for (; len < kMaxMatch && input.More(); ++len) finder.Put(r + len, input.Next());
  for (int i = 1; i <= kMaxMatch; ++i) finder.Insert(r - i);
  finder.Insert(r);

  while (len > 0) {
    int matchLength = std::min(finder.MatchLength(), len);
    if (matchLength <= kThreshold) {
      matchLength = 1;
      writer.PutLiteral(finder.At(r));
    } else {
      writer.PutMatch(matchLength, finder.MatchPosition());
    }
    for (int i = 0; i < matchLength; ++i) {
      finder.Delete(s);
      const bool refill = input.More();
      if (refill) finder.Put(s, input.Next());
      s = (s + 1) & kWindowMask;
      r = (r + 1) & kWindowMask;
      if (!refill) --len;
      if (len > 0) finder.Insert(r);
    }
  }
}

}  // namespace

std::vector<uint8_t> TLzhEncoder::Compress(const uint8_t* data, size_t size) {
  if (!FitsIn32(size)) throw std::length_error("input too large for a 32-bit size");
  std::vector<uint8_t> out;
  AppendLE32(out, static_cast<uint32_t>(size));
  if (size == 0) return out;

  TLookahead input(data, size);
  TLzhMatchFinder finder;
  TLzhSymbolWriter writer;
  EncodeAll(input, finder, writer);
  const std::vector<uint8_t> bits = writer.Finish();
  out.insert(out.end(), bits.begin(), bits.end());
  return out;
}
