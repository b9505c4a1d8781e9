#pragma once
#include <array>
#include <cstdint>

#include "skin/data/LzhParams.h"

// The adaptive Huffman tree of LZHUF, shared by the decoder and the encoder.
// Nodes 0 .. kNodeCount-1 are kept sorted by frequency; a node's child entry
// names the first of two adjacent sibling nodes, or symbol + kNodeCount for a
// leaf. Every operation keeps all indexes inside the tables whatever symbols
// it is fed, so hostile input can only choose among valid leaves.
class TLzhHuffTree {
 public:
  TLzhHuffTree();

  // Puts the tree back into its starting shape: every symbol with frequency 1.
  void Start();
  // Counts one more occurrence of a symbol (0 .. kSymbolCount-1).
  void Update(int symbol);

  int Child(int node) const { return FChild[node]; }
  int Parent(int node) const { return FParent[node]; }
  unsigned Freq(int node) const { return FFreq[node]; }
  // The node that holds a symbol's leaf.
  int LeafNode(int symbol) const { return FParent[symbol + lzh::kNodeCount]; }

 private:
  void Rebuild();
  void SwapUp(int& node);

  std::array<uint16_t, lzh::kNodeCount + 1> FFreq{};                 // last entry: sentinel
  std::array<uint16_t, lzh::kNodeCount + lzh::kSymbolCount> FParent{};  // nodes, then leaves
  std::array<uint16_t, lzh::kNodeCount> FChild{};
};
