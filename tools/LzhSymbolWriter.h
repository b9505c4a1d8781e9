#pragma once
#include <cstdint>
#include <vector>

#include "skin/data/LzhHuffTree.h"
#include "tools/BitWriter.h"

// Writes LZHUF symbols: literals and matches through the adaptive Huffman
// code, match positions through the fixed position code.
class TLzhSymbolWriter {
 public:
  void PutLiteral(uint8_t byte);
  // length 3 .. kMaxMatch; position 0 .. kWindowSize-1 counts back from the
  // byte before the write position (0 = the byte just written).
  void PutMatch(int length, int position);
  std::vector<uint8_t> Finish() { return FBits.Finish(); }
  // Bits written so far: a multiple of 8 means the last code ends a byte.
  uint64_t BitCount() const { return FBits.BitCount(); }

 private:
  void PutSymbol(int symbol);
  void PutPosition(int position);

  TLzhHuffTree FTree;
  TBitWriter FBits;
};
