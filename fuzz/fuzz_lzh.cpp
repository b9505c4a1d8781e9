// Feeds arbitrary bytes to the LZHUF decoder as a compressed package.
#include <cstdint>
#include <cstdlib>

#include "skin/data/ByteOrder.h"
#include "skin/data/LZH.h"
#include "skin/data/LzhParams.h"

namespace {
// Large enough for several window wraps and tree rebuilds, small enough
// to keep each run fast.
constexpr uint32_t kFuzzMaxSize = 1u << 17;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const std::vector<uint8_t> out = TLZH::Expand(data, size, kFuzzMaxSize);
    // Whatever the stream, the output is the stated size, plus at most the
    // rest of one match.
    const uint32_t stated = ReadLE32(data);
    if (out.size() < stated || out.size() >= uint64_t{stated} + lzh::kMaxMatch) std::abort();
  } catch (const ElzhException&) {
    // Refused: too short, too large a stated size, or a stream that ends
    // well before its stated size.
  }
  return 0;
}
