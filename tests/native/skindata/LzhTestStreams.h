#pragma once
// Builds LZHUF streams symbol by symbol, for inputs the encoder would never
// choose (overlapping matches, references to the initial window).
#include <cstdint>
#include <functional>
#include <vector>

#include "skin/data/ByteOrder.h"
#include "tools/LzhSymbolWriter.h"

inline std::vector<uint8_t> CraftStream(uint32_t statedSize,
                                        const std::function<void(TLzhSymbolWriter&)>& symbols) {
  TLzhSymbolWriter writer;
  symbols(writer);
  std::vector<uint8_t> out;
  AppendLE32(out, statedSize);
  const std::vector<uint8_t> bits = writer.Finish();
  out.insert(out.end(), bits.begin(), bits.end());
  return out;
}
