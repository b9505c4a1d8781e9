#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "skin/data/LzhHuffTree.h"
#include "skin/data/LzhParams.h"

// Decodes the top kBits levels of the adaptive tree with one lookup instead
// of a step per bit. The tree changes after every symbol, but its shape
// only through rebuilds and exchanges of two subtrees, and exchanges happen
// mostly deep in the tree, where nodes are many and counts small: the table
// stays current by refilling just the entries below an exchanged node that
// lies within its levels. It watches the tree's updates (TLzhHuffTree::Update).
class TLzhCodeTable {
 public:
  static constexpr int kBits = 6;

  // Where the walk goes on after a lookup: Child is the child entry reached
  // (a leaf, symbol + kNodeCount, when the code is that short) after Bits
  // bits; Path the nodes passed, one per bit, for the update.
  struct TEntry {
    uint16_t Child;
    uint16_t Bits;
    std::array<uint16_t, kBits> Path;
  };

  explicit TLzhCodeTable(const TLzhHuffTree& tree);

  // The entry for the code at the top of a left-aligned bit window.
  const TEntry& Lookup(uint64_t window) const { return FEntries[window >> (64 - kBits)]; }

  // Watcher calls from the tree.
  void Rebuilt();
  void Swapped(int a, int b) {
    // One test for both: kNotCovered has every bit set.
    if ((FDepth[a] & FDepth[b]) != kNotCovered) Refill(a, b);
  }

 private:
  static constexpr uint8_t kNotCovered = 0xFF;

  void Refill(int a, int b);
  void SwapBelow(int a, int b, int depth);
  void RecodeBelow(size_t first, size_t count, int depth);
  using TPath = std::array<uint16_t, kBits>;
  void Fill(int node, int depth, unsigned code, TPath& path);
  void Uncover(int node);

  const TLzhHuffTree& FTree;
  std::array<TEntry, 1u << kBits> FEntries{};
  // Depth and code of every node at depth kBits or less (the nodes whose
  // child entries the table reads); kNotCovered for the others.
  std::array<uint8_t, lzh::kNodeCount> FDepth{};
  std::array<uint16_t, lzh::kNodeCount> FCode{};
};
