#include "tools/LzhSymbolWriter.h"

#include <array>
#include <stdexcept>

#include "skin/data/LzhParams.h"
#include "skin/data/LzhPositionCode.h"

using namespace lzh;

void TLzhSymbolWriter::PutLiteral(uint8_t byte) { PutSymbol(byte); }

void TLzhSymbolWriter::PutMatch(int length, int position) {
  if (length <= kThreshold || length > kMaxMatch || position < 0 || position >= kWindowSize) {
    throw std::invalid_argument("LZH match out of range");
  }
  PutSymbol(length + kMatchSymbolBias);
  PutPosition(position);
}

void TLzhSymbolWriter::PutSymbol(int symbol) {
  // The code is the path from the root to the leaf: bit 1 for the second of
  // two siblings (odd node). Collected leaf first, written root first; a
  // path can be longer than 16 bits, so no fixed-width word is used.
  std::array<uint8_t, kNodeCount> path{};
  int depth = 0;
  for (int node = FTree.LeafNode(symbol); node != kRootNode; node = FTree.Parent(node)) {
    path[depth++] = static_cast<uint8_t>(node & 1);
  }
  while (depth > 0) FBits.PutBits(path[--depth], 1);
  FTree.Update(symbol);
}

void TLzhSymbolWriter::PutPosition(int position) {
  const int upper = position >> 6;
  const int bits = kLzhPositionCode.CodeLength[upper];
  FBits.PutBits(static_cast<uint32_t>(kLzhPositionCode.Code[upper] >> (8 - bits)), bits);
  FBits.PutBits(static_cast<uint32_t>(position & 0x3F), 6);
}
